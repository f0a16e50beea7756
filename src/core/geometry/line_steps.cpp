#include <cmath>
#include <optional>

#include "geometry/evaluators.h"
#include "geometry/primitives.h"
#include "geometry/step_io.h"
#include "geometry/value_primitives.h"

namespace zm {

namespace {

// A point this far inside a circle (in the squared tangent length) still counts as on it.
constexpr double kOnCircle = 0.01;

void ThroughTwoPoints(StepIo& io) {
  const PointRec& p = io.Point(1);
  const PointRec& q = io.Point(2);
  io.Store(1, AllValid(p, q) ? LineThrough(At(p), At(q)) : std::nullopt);
}

// A line from `start` in the unit direction `d`, its second end one unit along.
LineGeometry LineFrom(Vec2 start, Vec2 d) { return {start, {start.x + d.x, start.y + d.y}, d}; }

void Parallel(StepIo& io) {
  const LineRec& l = io.Line(1);
  const PointRec& p = io.Point(2);
  io.Store(1, AllValid(l, p) ? std::optional(LineFrom(At(p), l.direction)) : std::nullopt);
}

// The perpendicular runs from the point to its foot; the foot is also given as a point.
void PerpendicularAndFoot(StepIo& io) {
  const LineRec& l = io.Line(1);
  const PointRec& p = io.Point(2);
  const std::optional<LineGeometry> out =
      AllValid(l, p) ? PerpendicularThrough(Geometry(l), At(p)) : std::nullopt;
  io.Store(1, out);
  io.Store(2, out ? Meet(Geometry(l), *out) : std::nullopt);
}

void Bisector(StepIo& io) {
  const LineRec& segment = io.Line(1);
  io.Store(1, AllValid(segment) ? BisectorOf(Geometry(segment)) : std::nullopt);
}

// Both tangents start at the point and run away from the circle. With (dx, dy) from the point
// to the centre and root the tangent length, the directions are -root (dx, dy) plus and minus
// r (-dy, dx): the line through the point along either keeps the distance r from the centre.
// The first touches on the right of the way to the centre, the second on the left.
void TangentsFromPoint(StepIo& io) {
  const PointRec& p = io.Point(1);
  const CircleRec& c = io.Circle(2);
  std::optional<LineGeometry> first, second;
  const double dx = c.centre.x - p.x;
  const double dy = c.centre.y - p.y;
  const double r = c.radius;
  const double k = dx * dx + dy * dy - r * r;
  if (AllValid(p, c) && k >= -kOnCircle) {
    const double root = k <= 0 ? 0 : std::sqrt(k);
    Vec2 u1{-root * dx - r * dy, r * dx - root * dy};
    Vec2 u2{r * dy - root * dx, -r * dx - root * dy};
    if (VecNormalize(u1) == kTrue && VecNormalize(u2) == kTrue) {
      first = LineFrom(At(p), u1);
      second = LineFrom(At(p), u2);
    }
  }
  io.StoreBoth(first, second);
}

// One common tangent of two circles. (a, b) is the tangent's unit normal, solved from
// (a, b) . (c2 - c1) = -e; the line touches the first circle at c1 + side r1 (a, b).
std::optional<LineGeometry> CommonTangent(const CircleRec& c1, const CircleRec& c2, double e,
                                          double side) {
  const double dx = c2.centre.x - c1.centre.x;
  const double dy = c2.centre.y - c1.centre.y;
  const double d = dx * dx + dy * dy;
  if (!AllValid(c1, c2) || d <= 0 || d - e * e < 0) return std::nullopt;
  const double w = std::sqrt(d - e * e);
  const double a = -(e * dx + w * dy) / d;
  const double b = (w * dx - e * dy) / d;
  return LineFrom({c1.centre.x + side * c1.radius * a, c1.centre.y + side * c1.radius * b},
                  {b, -a});
}

// First output on the left of the way from the first centre to the second, second on the right.
void ExternalTangents(StepIo& io) {
  const CircleRec& c1 = io.Circle(1);
  const CircleRec& c2 = io.Circle(2);
  io.Store(1, CommonTangent(c1, c2, c2.radius - c1.radius, 1));
  io.Store(2, CommonTangent(c1, c2, c1.radius - c2.radius, -1));
}

void InternalTangents(StepIo& io) {
  const CircleRec& c1 = io.Circle(1);
  const CircleRec& c2 = io.Circle(2);
  io.Store(1, CommonTangent(c1, c2, -c2.radius - c1.radius, 1));
  io.Store(2, CommonTangent(c1, c2, c1.radius + c2.radius, -1));
}

void Polar(StepIo& io) {
  const PointRec& p = io.Point(1);
  const CircleRec& c = io.Circle(2);
  io.Store(1, AllValid(p, c) ? PolarOf(At(p), Geometry(c)) : std::nullopt);
}

void AngleBisectorStep(StepIo& io) {
  const PointRec& p = io.Point(1);
  const PointRec& q = io.Point(2);
  const PointRec& r = io.Point(3);
  io.Store(1, AllValid(p, q, r) ? AngleBisectorAt(At(p), At(q), At(r)) : std::nullopt);
}

// The m-th of n equal parts of the signed angle, as a line from the vertex. n = 0 has no
// parts; it is refused before the angle is measured, so a step that cannot succeed shows no
// message. An angle that cannot be measured counts as 0.
void AnglePart(StepIo& io) {
  const PointRec& arm = io.Point(1);
  const PointRec& vertex = io.Point(2);
  const PointRec& other = io.Point(3);
  const NumberRec& parts = io.Number(4);
  const NumberRec& part = io.Number(5);
  std::optional<LineGeometry> out;
  if (AllValid(arm, vertex, other, parts, part) && parts.value != 0) {
    const double angle = SignedAngleAt(At(arm), At(vertex), At(other), io.alerts()).value_or(0);
    const std::optional<Vec2> turned =
        RotationAt(At(arm), At(vertex), part.value * angle / parts.value);
    if (turned) out = LineThrough(At(vertex), *turned);
  }
  io.Store(1, out);
}

// Codes that are not listed change nothing: polygons ("LRGN", "LPGN", "LPG+") and the
// all-parts n-section ("LH2+") are expanded into "PT1", "L1" and "LH2" steps when built.
constexpr StepProc kLineProcs[] = {
    {PackCode("L1"), ThroughTwoPoints},
    {PackCode("L2"), Parallel},
    {PackCode("L3"), PerpendicularAndFoot},
    {PackCode("L4"), Bisector},
    {PackCode("L5"), TangentsFromPoint},
    {PackCode("L6"), ExternalTangents},
    {PackCode("L7"), InternalTangents},
    {PackCode("L8"), Polar},
    {PackCode("LH1"), AngleBisectorStep},
    {PackCode("LH2"), AnglePart},
};

constexpr ProcTable kLineTable(kLineProcs);

}  // namespace

void EvalLineStep(Figure& fig, Alerts& alerts, int step) { RunStep(kLineTable, fig, alerts, step); }

}  // namespace zm
