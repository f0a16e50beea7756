#include <cmath>

#include "geometry/evaluators.h"
#include "geometry/primitives.h"
#include "geometry/step_io.h"

namespace zm {

namespace {

// A point this far inside a circle (in the squared tangent length) still counts as on it.
constexpr double kOnCircle = 0.01;

void ThroughTwoPoints(StepIo& io) {
  LineRec out;
  LineThrough2Points(io.Point(1), io.Point(2), out);
  io.Store(1, out);
}

// A valid line from `start` in the unit direction `d`, its second end one unit along.
LineRec LineFrom(Vec2 start, Vec2 d) {
  LineRec l;
  l.end1 = start;
  l.end2 = {start.x + d.x, start.y + d.y};
  l.direction = d;
  l.check = kValid;
  return l;
}

void Parallel(StepIo& io) {
  const LineRec& l = io.Line(1);
  const PointRec& p = io.Point(2);
  io.Store(1, AllValid(l, p) ? LineFrom({p.x, p.y}, l.direction) : LineRec{});
}

// The perpendicular runs from the point to its foot; the foot is also given as a point.
void PerpendicularAndFoot(StepIo& io) {
  const LineRec& l = io.Line(1);
  LineRec out;
  PerpendicularLine(l, io.Point(2), out);
  PointRec foot;
  CrossLL(l, out, foot);
  io.Store(1, out);
  io.Store(2, foot);
}

void Bisector(StepIo& io) {
  LineRec out;
  PerpendicularBisector(io.Line(1), out);
  io.Store(1, out);
}

// Both tangents start at the point and run away from the circle. With (dx, dy) from the point
// to the centre and root the tangent length, the directions are -root (dx, dy) plus and minus
// r (-dy, dx): the line through the point along either keeps the distance r from the centre.
// The first touches on the right of the way to the centre, the second on the left.
void TangentsFromPoint(StepIo& io) {
  const PointRec& p = io.Point(1);
  const CircleRec& c = io.Circle(2);
  LineRec first, second;
  const double dx = c.centre.x - p.x;
  const double dy = c.centre.y - p.y;
  const double r = c.radius;
  const double k = dx * dx + dy * dy - r * r;
  if (AllValid(p, c) && k >= -kOnCircle) {
    const double root = k <= 0 ? 0 : std::sqrt(k);
    Vec2 u1{-root * dx - r * dy, r * dx - root * dy};
    Vec2 u2{r * dy - root * dx, -r * dx - root * dy};
    if (VecNormalize(u1) == kTrue && VecNormalize(u2) == kTrue) {
      first = LineFrom({p.x, p.y}, u1);
      second = LineFrom({p.x, p.y}, u2);
    }
  }
  io.StoreBoth(first, second);
}

// One common tangent of two circles. (a, b) is the tangent's unit normal, solved from
// (a, b) . (c2 - c1) = -e; the line touches the first circle at c1 + side r1 (a, b).
LineRec CommonTangent(const CircleRec& c1, const CircleRec& c2, double e, double side) {
  LineRec out;
  const double dx = c2.centre.x - c1.centre.x;
  const double dy = c2.centre.y - c1.centre.y;
  const double d = dx * dx + dy * dy;
  if (!AllValid(c1, c2) || d <= 0 || d - e * e < 0) return out;
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
  LineRec out;
  PolarLine(io.Point(1), io.Circle(2), out);
  io.Store(1, out);
}

void AngleBisectorStep(StepIo& io) {
  LineRec out;
  AngleBisector(io.Point(1), io.Point(2), io.Point(3), out);
  io.Store(1, out);
}

// The m-th of n equal parts of the signed angle, as a line from the vertex. n = 0 has no
// parts; it is refused before the angle is measured, so a step that cannot succeed shows no
// message.
void AnglePart(StepIo& io) {
  const PointRec& arm = io.Point(1);
  const PointRec& vertex = io.Point(2);
  const PointRec& other = io.Point(3);
  const NumberRec& parts = io.Number(4);
  const NumberRec& part = io.Number(5);
  LineRec out;
  if (AllValid(arm, vertex, other, parts, part) && parts.value != 0) {
    NumberRec angle;
    AngleSigned(arm, vertex, other, angle, io.alerts());
    PointRec turned;
    RotatePoint(arm, vertex, ConstantNumber(part.value * angle.value / parts.value), turned);
    LineThrough2Points(vertex, turned, out);
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

}  // namespace

void EvalLineStep(Figure& fig, Alerts& alerts, int step) { RunStep(kLineProcs, fig, alerts, step); }

}  // namespace zm
