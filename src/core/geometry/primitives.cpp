#include "geometry/primitives.h"

#include <cmath>
#include <utility>

namespace zm {

namespace {

template <class... Recs>
bool AnyInvalid(const Recs&... recs) {
  return ((recs.check == kInvalid) || ...);
}

Vec2 At(const PointRec& p) { return {p.x, p.y}; }
Vec2 Plus(Vec2 a, Vec2 b) { return {a.x + b.x, a.y + b.y}; }
Vec2 Minus(Vec2 a, Vec2 b) { return {a.x - b.x, a.y - b.y}; }
Vec2 Times(double k, Vec2 v) { return {k * v.x, k * v.y}; }
bool Finite(Vec2 v) { return std::isfinite(v.x) && std::isfinite(v.y); }

// The only ways results enter an output record. A result that overflowed or came from a
// division the tolerances do not guard is not a position: the output becomes invalid and keeps
// its last valid fields, so no NaN or infinity ever reaches a table.
void SetPoint(PointRec& out, Vec2 at) {
  if (!Finite(at)) {
    out.check = kInvalid;
    return;
  }
  out.x = at.x;
  out.y = at.y;
  out.check = kValid;
}

void SetNumber(NumberRec& out, double value) {
  if (!std::isfinite(value)) {
    out.check = kInvalid;
    return;
  }
  out.value = value;
  out.check = kValid;
}

void SetLine(LineRec& out, Vec2 end1, Vec2 end2, Vec2 direction) {
  if (!Finite(end1) || !Finite(end2) || !Finite(direction)) {
    out.check = kInvalid;
    return;
  }
  out.end1 = end1;
  out.end2 = end2;
  out.direction = direction;
  out.check = kValid;
}

double Distance(Vec2 a, Vec2 b) { return VecLength(Minus(a, b)); }

double Radians(double degrees) { return degrees * kPi / 180; }
double Degrees(double radians) { return radians * 180 / kPi; }

// The meeting point of the carrier lines e1 + t d1 and e2 + u d2; false when near-parallel.
bool MeetLines(Vec2 e1, Vec2 d1, Vec2 e2, Vec2 d2, Vec2& at) {
  const Mat2 m{d1.x, -d2.x, d1.y, -d2.y};
  Mat2 inverse;
  if (Inverse2(m, inverse) == kFalse) return false;
  const Vec2 tu = MulMatVec(inverse, Minus(e2, e1));
  at = Plus(e1, Times(tu.x, d1));
  return true;
}

// Both solutions of a two-solution intersection, or both invalid when either is not finite.
void SetSolutions(PointRec& s1, PointRec& s2, Vec2 at1, Vec2 at2, SolutionOrder& order) {
  if (!Finite(at1) || !Finite(at2)) {
    s1.check = kInvalid;
    s2.check = kInvalid;
    return;
  }
  SetPoint(s1, at1);
  SetPoint(s2, at2);
  KeepSolutionOrder(order, s1, s2);
}

// A discriminant within the tangency tolerance of 0 is 0; false when clearly negative.
bool SettleDiscriminant(double& d) {
  if (d < -kTangency) return false;
  if (std::fabs(d) < kTangency) d = 0;
  return true;
}

bool Matches(const PointRec& c, const PointRec& b) {
  return c.check != kInvalid && std::fabs(c.x - b.x) < kRotationMatch &&
         std::fabs(c.y - b.y) < kRotationMatch;
}

}  // namespace

// Vector operations.

double VecLength(Vec2 v) { return std::sqrt(v.x * v.x + v.y * v.y); }

std::int16_t VecNormalize(Vec2& v) {
  const double length = VecLength(v);
  // Written so that a length that is not a number fails as well.
  if (!(length >= kShortestVector) || !std::isfinite(length)) return kFalse;
  v = Times(1 / length, v);
  return kTrue;
}

double VecDot(Vec2 u, Vec2 v) { return u.x * v.x + u.y * v.y; }

double Det2(const Mat2& m) { return m.m11 * m.m22 - m.m21 * m.m12; }

std::int16_t Inverse2(const Mat2& m, Mat2& inverse) {
  const double det = Det2(m);
  if (!(std::fabs(det) >= kParallelDet)) return kFalse;
  inverse = {m.m22 / det, -m.m12 / det, -m.m21 / det, m.m11 / det};
  return kTrue;
}

Vec2 MulMatVec(const Mat2& m, Vec2 v) {
  return {m.m11 * v.x + m.m12 * v.y, m.m21 * v.x + m.m22 * v.y};
}

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
  if (AnyInvalid(c)) {
    out.check = kInvalid;
    return;
  }
  SetPoint(out, c.centre);
}

void DivisionPoint(const PointRec& p, const PointRec& q, const NumberRec& m, const NumberRec& n,
                   PointRec& out) {
  const double sum = m.value + n.value;
  if (AnyInvalid(p, q, m, n) || sum == 0) {
    out.check = kInvalid;
    return;
  }
  SetPoint(out, Times(1 / sum, Plus(Times(n.value, At(p)), Times(m.value, At(q)))));
}

void ExtensionPoint(const PointRec& p, const PointRec& q, const NumberRec& k, PointRec& out) {
  NumberRec m = k;
  NumberRec n = k;
  m.value = k.value + 1;
  n.value = -k.value;
  DivisionPoint(p, q, m, n, out);
}

void PointSymmetry(const PointRec& p, const PointRec& q, PointRec& out) {
  ExtensionPoint(p, q, ConstantNumber(1), out);
}

void RotatePoint(const PointRec& p, const PointRec& centre, const NumberRec& degrees,
                 PointRec& out) {
  if (AnyInvalid(p, centre, degrees)) {
    out.check = kInvalid;
    return;
  }
  const double t = Radians(degrees.value);
  const double dx = p.x - centre.x;
  const double dy = p.y - centre.y;
  SetPoint(out, {centre.x + dx * std::cos(t) - dy * std::sin(t),
                 centre.y + dx * std::sin(t) + dy * std::cos(t)});
}

void UnitStepToward(const PointRec& p, const PointRec& q, PointRec& out) {
  Vec2 step = Minus(At(q), At(p));
  if (AnyInvalid(p, q) || VecNormalize(step) == kFalse) {
    out.check = kInvalid;
    return;
  }
  SetPoint(out, Plus(At(p), step));
}

void Incentre(const PointRec& p, const PointRec& q, const PointRec& r, PointRec& out) {
  if (AnyInvalid(p, q, r)) {
    out.check = kInvalid;
    return;
  }
  const double a = Distance(At(q), At(r));
  const double b = Distance(At(r), At(p));
  const double c = Distance(At(p), At(q));
  const double sum = a + b + c;
  if (sum == 0) {
    SetPoint(out, At(p));
    return;
  }
  const Vec2 weighted = Plus(Plus(Times(a, At(p)), Times(b, At(q))), Times(c, At(r)));
  SetPoint(out, Times(1 / sum, weighted));
}

void Circumcentre(const PointRec& p, const PointRec& q, const PointRec& r, PointRec& out) {
  LineRec pq, pr, bisectorPQ, bisectorPR;
  LineThrough2Points(p, q, pq);
  LineThrough2Points(p, r, pr);
  PerpendicularBisector(pq, bisectorPQ);
  PerpendicularBisector(pr, bisectorPR);
  CrossLL(bisectorPQ, bisectorPR, out);
}

void Excentre(const PointRec& p, const PointRec& q, const PointRec& r, PointRec& out) {
  PointRec beyondQ;
  PointSymmetry(p, q, beyondQ);
  LineRec atP, outsideAtQ;
  AngleBisector(q, p, r, atP);
  AngleBisector(beyondQ, q, r, outsideAtQ);
  CrossLL(atP, outsideAtQ, out);
}

void NinePointCentre(const PointRec& p, const PointRec& q, const PointRec& r, PointRec& out) {
  const NumberRec one = ConstantNumber(1);
  PointRec midPQ, midQR, midRP;
  DivisionPoint(p, q, one, one, midPQ);
  DivisionPoint(q, r, one, one, midQR);
  DivisionPoint(r, p, one, one, midRP);
  Circumcentre(midPQ, midQR, midRP, out);
}

// Lines.

std::int16_t LineDirection(LineRec& l) {
  l.direction = Minus(l.end2, l.end1);
  l.check = VecNormalize(l.direction);
  return l.check;
}

void LineThrough2Points(const PointRec& p, const PointRec& q, LineRec& out) {
  Vec2 direction = Minus(At(q), At(p));
  if (AnyInvalid(p, q) || VecNormalize(direction) == kFalse) {
    out.check = kInvalid;
    return;
  }
  SetLine(out, At(p), At(q), direction);
}

void PerpendicularLine(const LineRec& l, const PointRec& p, LineRec& out) {
  const Vec2 direction{-l.direction.y, l.direction.x};
  Vec2 foot;
  if (AnyInvalid(l, p) || !MeetLines(l.end1, l.direction, At(p), direction, foot)) {
    out.check = kInvalid;
    return;
  }
  SetLine(out, At(p), foot, direction);
}

void PerpendicularBisector(const LineRec& segment, LineRec& out) {
  PointRec middle;
  middle.check = segment.check;
  const Vec2 m = Times(0.5, Plus(segment.end1, segment.end2));
  middle.x = m.x;
  middle.y = m.y;
  PerpendicularLine(segment, middle, out);
}

void AngleBisector(const PointRec& p, const PointRec& q, const PointRec& r, LineRec& out) {
  PointRec centre;
  Incentre(p, q, r, centre);
  LineThrough2Points(q, centre, out);
}

void PolarLine(const PointRec& p, const CircleRec& c, LineRec& out) {
  const double a = p.x - c.centre.x;
  const double b = p.y - c.centre.y;
  const double k = -(c.radius * c.radius);
  Vec2 direction{b, -a};
  if (AnyInvalid(p, c) || (a == 0 && b == 0) || VecNormalize(direction) == kFalse) {
    out.check = kInvalid;
    return;
  }
  // The polar a X + b Y + k = 0 relative to the centre, met on the vertical through the centre,
  // or on the horizontal when the point is level with it.
  const Vec2 end1 = b != 0 ? Vec2{0, -k / b} : Vec2{-k / a, 0};
  const Vec2 end2 = Plus(end1, direction);
  SetLine(out, Plus(end1, c.centre), Plus(end2, c.centre), direction);
}

// Intersections.

void CrossLL(const LineRec& l1, const LineRec& l2, PointRec& out) {
  Vec2 at;
  if (AnyInvalid(l1, l2) || !MeetLines(l1.end1, l1.direction, l2.end1, l2.direction, at)) {
    out.check = kInvalid;
    return;
  }
  SetPoint(out, at);
}

void CrossLC(const LineRec& l, const CircleRec& c, PointRec& s1, PointRec& s2,
             SolutionOrder& order) {
  const Vec2 e = l.end1;
  const Vec2 d = l.direction;
  const double offset = (e.y - c.centre.y) * d.x - (e.x - c.centre.x) * d.y;
  double discriminant = c.radius * c.radius - offset * offset;
  if (AnyInvalid(l, c) || !SettleDiscriminant(discriminant)) {
    s1.check = kInvalid;
    s2.check = kInvalid;
    return;
  }
  const double h = std::sqrt(discriminant);
  const double u = VecDot(Minus(c.centre, e), d);  // foot of the centre along the line
  SetSolutions(s1, s2, Plus(e, Times(u + h, d)), Plus(e, Times(u - h, d)), order);
}

void CrossCC(const CircleRec& c1, const CircleRec& c2, PointRec& s1, PointRec& s2,
             SolutionOrder& order) {
  const double dx = c2.centre.x - c1.centre.x;
  const double dy = c2.centre.y - c1.centre.y;
  const double d = dx * dx + dy * dy;
  const double r1 = c1.radius * c1.radius;
  const double r2 = c2.radius * c2.radius;
  // 4 D times the square of half the common chord.
  double q = 2 * d * (r1 + r2) - d * d - (r2 - r1) * (r2 - r1);
  if (AnyInvalid(c1, c2) || !(d > 0) || !SettleDiscriminant(q)) {
    s1.check = kInvalid;
    s2.check = kInvalid;
    return;
  }
  const double t = 0.5 - (r2 - r1) * 0.5 / d;
  const Vec2 middle{c1.centre.x + t * dx, c1.centre.y + t * dy};
  const double k = std::sqrt(q) * 0.5 / d;
  SetSolutions(s1, s2, {middle.x - k * dy, middle.y + k * dx},
               {middle.x + k * dy, middle.y - k * dx}, order);
}

void KeepSolutionOrder(SolutionOrder& order, PointRec& s1, PointRec& s2) {
  if (order.swapFlag == nullptr) return;
  std::int16_t& flag = *order.swapFlag;
  Vec2 o1 = order.recorded1;
  Vec2 o2 = order.recorded2;
  if (flag != 0) std::swap(o1, o2);
  const bool m11 = SamePosition(s1, o1);
  const bool m12 = SamePosition(s1, o2);
  const bool m21 = SamePosition(s2, o1);
  const bool m22 = SamePosition(s2, o2);
  // The natural order turned over while the solutions stayed where they were drawn.
  if ((m12 || m21) && !m11 && !m22) flag = Bool16(flag == 0);
  if (flag != 0) {
    std::swap(s1.x, s2.x);
    std::swap(s1.y, s2.y);
  }
}

bool SamePosition(const PointRec& p, Vec2 position) {
  return std::fabs(p.x - position.x) + std::fabs(p.y - position.y) < kSamePosition;
}

// Measures.

void DistancePP(const PointRec& p, const PointRec& q, NumberRec& out) {
  if (AnyInvalid(p, q)) {
    out.check = kInvalid;
    return;
  }
  SetNumber(out, Distance(At(p), At(q)));
}

void DistancePL(const PointRec& p, const LineRec& l, NumberRec& out) {
  LineRec perpendicular;
  PointRec foot;
  PerpendicularLine(l, p, perpendicular);
  CrossLL(l, perpendicular, foot);
  DistancePP(p, foot, out);
}

void DistancePC(const PointRec& p, const CircleRec& c, NumberRec& out) {
  if (AnyInvalid(p, c)) {
    out.check = kInvalid;
    return;
  }
  SetNumber(out, std::fabs(Distance(At(p), c.centre) - c.radius));
}

void AngleUnsigned(const PointRec& p, const PointRec& q, const PointRec& r, NumberRec& out) {
  Vec2 u = Minus(At(p), At(q));
  Vec2 v = Minus(At(r), At(q));
  // An arm that overflowed has no direction; it is not a short arm either.
  if (AnyInvalid(p, q, r) || !Finite(u) || !Finite(v)) {
    out.check = kInvalid;
    return;
  }
  if (VecNormalize(u) == kFalse || VecNormalize(v) == kFalse) {
    SetNumber(out, 0);
    return;
  }
  double a = Degrees(ArcCosAngle(VecDot(u, v)));
  if (a < 0) a += 180;
  SetNumber(out, a);
}

void AngleSigned(const PointRec& p, const PointRec& q, const PointRec& r, NumberRec& out,
                 Alerts& alerts) {
  // 1. the unsigned angle
  AngleUnsigned(p, q, r, out);
  if (out.check == kInvalid) return;
  const double a = out.value;
  // 2. the unit points of both arms; a short arm keeps the angle 0
  PointRec armP, armR;
  UnitStepToward(q, p, armP);
  UnitStepToward(q, r, armR);
  if (armP.check == kInvalid || armR.check == kInvalid) return;
  // 3., 4. the turn that carries arm QP onto arm QR gives the sign
  PointRec turned;
  RotatePoint(armP, q, ConstantNumber(a), turned);
  if (Matches(turned, armR)) return;
  out.value = -a;
  RotatePoint(armP, q, ConstantNumber(-a), turned);
  if (Matches(turned, armR)) return;
  // 5. an angle of 0 that no turn reproduces: the arms point opposite ways
  if (std::fabs(a) < kStraightAngle) {
    out.value = 180;
    return;
  }
  // 6.
  alerts.MessageBox("Error in Angle");
}

}  // namespace zm
