#include "geometry/primitives.h"

#include <cmath>
#include <optional>

#include "geometry/value_primitives.h"

namespace zm {

namespace {

// The only ways results enter an output record: a result is written with check -1, no result
// leaves the record's fields as they were and sets check 0.
void Put(PointRec& out, const std::optional<Vec2>& at) {
  if (at) {
    out.x = at->x;
    out.y = at->y;
  }
  out.check = at ? kValid : kInvalid;
}

void Put(LineRec& out, const std::optional<LineGeometry>& line) {
  if (line) {
    out.end1 = line->end1;
    out.end2 = line->end2;
    out.direction = line->direction;
  }
  out.check = line ? kValid : kInvalid;
}

void Put(NumberRec& out, const std::optional<double>& value) {
  if (value) out.value = *value;
  out.check = value ? kValid : kInvalid;
}

void PutBoth(PointRec& s1, PointRec& s2, const std::optional<TwoPoints>& solutions) {
  Put(s1, solutions ? std::optional(solutions->first) : std::nullopt);
  Put(s2, solutions ? std::optional(solutions->second) : std::nullopt);
}

}  // namespace

// Vector operations.

double ArcCosAngle(double c) {
  // Near +1 or -1 the square root below is dominated by rounding; both count as +1.
  if (1 - c * c < kCosineClamp) c = 1;
  const double s = std::sqrt(1 - c * c);
  if (c == 0) return kHalfPi;
  return std::atan(s / c);
}

NumberRec ConstantNumber(double value) {
  NumberRec n;
  n.value = value;
  n.check = kValid;
  return n;
}

// Points.

void CentreAsPoint(const CircleRec& c, PointRec& out) {
  Put(out, AllValid(c) ? CentreAt(Geometry(c)) : std::nullopt);
}

void DivisionPoint(const PointRec& p, const PointRec& q, const NumberRec& m, const NumberRec& n,
                   PointRec& out) {
  Put(out, AllValid(p, q, m, n) ? DivisionAt(At(p), At(q), m.value, n.value) : std::nullopt);
}

void ExtensionPoint(const PointRec& p, const PointRec& q, const NumberRec& k, PointRec& out) {
  Put(out, AllValid(p, q, k) ? ExtensionAt(At(p), At(q), k.value) : std::nullopt);
}

void PointSymmetry(const PointRec& p, const PointRec& q, PointRec& out) {
  Put(out, AllValid(p, q) ? ReflectionAt(At(p), At(q)) : std::nullopt);
}

void RotatePoint(const PointRec& p, const PointRec& centre, const NumberRec& degrees,
                 PointRec& out) {
  Put(out, AllValid(p, centre, degrees) ? RotationAt(At(p), At(centre), degrees.value)
                                        : std::nullopt);
}

void UnitStepToward(const PointRec& p, const PointRec& q, PointRec& out) {
  Put(out, AllValid(p, q) ? UnitStepAt(At(p), At(q)) : std::nullopt);
}

void Incentre(const PointRec& p, const PointRec& q, const PointRec& r, PointRec& out) {
  Put(out, AllValid(p, q, r) ? IncentreAt(At(p), At(q), At(r)) : std::nullopt);
}

void Circumcentre(const PointRec& p, const PointRec& q, const PointRec& r, PointRec& out) {
  Put(out, AllValid(p, q, r) ? CircumcentreAt(At(p), At(q), At(r)) : std::nullopt);
}

void Excentre(const PointRec& p, const PointRec& q, const PointRec& r, PointRec& out) {
  Put(out, AllValid(p, q, r) ? ExcentreAt(At(p), At(q), At(r)) : std::nullopt);
}

void NinePointCentre(const PointRec& p, const PointRec& q, const PointRec& r, PointRec& out) {
  Put(out, AllValid(p, q, r) ? NinePointCentreAt(At(p), At(q), At(r)) : std::nullopt);
}

// Lines.

std::int16_t LineDirection(LineRec& l) {
  l.direction = {l.end2.x - l.end1.x, l.end2.y - l.end1.y};
  l.check = VecNormalize(l.direction);
  return l.check;
}

void LineThrough2Points(const PointRec& p, const PointRec& q, LineRec& out) {
  Put(out, AllValid(p, q) ? LineThrough(At(p), At(q)) : std::nullopt);
}

void PerpendicularLine(const LineRec& l, const PointRec& p, LineRec& out) {
  Put(out, AllValid(l, p) ? PerpendicularThrough(Geometry(l), At(p)) : std::nullopt);
}

void PerpendicularBisector(const LineRec& segment, LineRec& out) {
  Put(out, AllValid(segment) ? BisectorOf(Geometry(segment)) : std::nullopt);
}

void AngleBisector(const PointRec& p, const PointRec& q, const PointRec& r, LineRec& out) {
  Put(out, AllValid(p, q, r) ? AngleBisectorAt(At(p), At(q), At(r)) : std::nullopt);
}

void PolarLine(const PointRec& p, const CircleRec& c, LineRec& out) {
  Put(out, AllValid(p, c) ? PolarOf(At(p), Geometry(c)) : std::nullopt);
}

// Intersections.

void CrossLL(const LineRec& l1, const LineRec& l2, PointRec& out) {
  Put(out, AllValid(l1, l2) ? Meet(Geometry(l1), Geometry(l2)) : std::nullopt);
}

void CrossLC(const LineRec& l, const CircleRec& c, PointRec& s1, PointRec& s2,
             SolutionOrder& order) {
  PutBoth(s1, s2, AllValid(l, c) ? MeetLineCircle(Geometry(l), Geometry(c), order) : std::nullopt);
}

void CrossCC(const CircleRec& c1, const CircleRec& c2, PointRec& s1, PointRec& s2,
             SolutionOrder& order) {
  PutBoth(s1, s2, AllValid(c1, c2) ? MeetCircles(Geometry(c1), Geometry(c2), order) : std::nullopt);
}

void KeepSolutionOrder(SolutionOrder& order, PointRec& s1, PointRec& s2) {
  TwoPoints solutions{At(s1), At(s2)};
  KeepOrder(order, solutions);
  s1.x = solutions.first.x;
  s1.y = solutions.first.y;
  s2.x = solutions.second.x;
  s2.y = solutions.second.y;
}

bool SamePosition(const PointRec& p, Vec2 position) { return SamePlace(At(p), position); }

// Measures.

void DistancePP(const PointRec& p, const PointRec& q, NumberRec& out) {
  Put(out, AllValid(p, q) ? DistanceBetween(At(p), At(q)) : std::nullopt);
}

void DistancePL(const PointRec& p, const LineRec& l, NumberRec& out) {
  Put(out, AllValid(p, l) ? DistanceToLine(At(p), Geometry(l)) : std::nullopt);
}

void DistancePC(const PointRec& p, const CircleRec& c, NumberRec& out) {
  Put(out, AllValid(p, c) ? DistanceToCircle(At(p), Geometry(c)) : std::nullopt);
}

void AngleUnsigned(const PointRec& p, const PointRec& q, const PointRec& r, NumberRec& out) {
  Put(out, AllValid(p, q, r) ? UnsignedAngleAt(At(p), At(q), At(r)) : std::nullopt);
}

void AngleSigned(const PointRec& p, const PointRec& q, const PointRec& r, NumberRec& out,
                 Alerts& alerts) {
  Put(out, AllValid(p, q, r) ? SignedAngleAt(At(p), At(q), At(r), alerts) : std::nullopt);
}

}  // namespace zm
