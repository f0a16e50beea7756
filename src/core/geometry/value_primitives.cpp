#include "geometry/value_primitives.h"

#include <cmath>
#include <utility>

namespace zm {

namespace {

Vec2 Plus(Vec2 a, Vec2 b) { return {a.x + b.x, a.y + b.y}; }
Vec2 Minus(Vec2 a, Vec2 b) { return {a.x - b.x, a.y - b.y}; }
Vec2 Times(double k, Vec2 v) { return {k * v.x, k * v.y}; }
bool Finite(Vec2 v) { return std::isfinite(v.x) && std::isfinite(v.y); }

// The only ways results leave this file. A result that overflowed or came from a division the
// tolerances do not guard is not a position: it is no result, so no NaN or infinity ever
// reaches a table.
std::optional<Vec2> FinitePoint(Vec2 at) {
  if (!Finite(at)) return std::nullopt;
  return at;
}

std::optional<double> FiniteNumber(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<LineGeometry> FiniteLine(Vec2 end1, Vec2 end2, Vec2 direction) {
  if (!Finite(end1) || !Finite(end2) || !Finite(direction)) return std::nullopt;
  return LineGeometry{end1, end2, direction};
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

// Both solutions of a two-solution intersection in their kept order, or none when either is
// not finite.
std::optional<TwoPoints> Solutions(Vec2 at1, Vec2 at2, SolutionOrder& order) {
  if (!Finite(at1) || !Finite(at2)) return std::nullopt;
  TwoPoints solutions{at1, at2};
  KeepOrder(order, solutions);
  return solutions;
}

// A discriminant within the tangency tolerance of 0 is 0; false when clearly negative.
bool SettleDiscriminant(double& d) {
  if (d < -kTangency) return false;
  if (std::fabs(d) < kTangency) d = 0;
  return true;
}

bool Matches(const std::optional<Vec2>& c, Vec2 b) {
  return c && std::fabs(c->x - b.x) < kRotationMatch && std::fabs(c->y - b.y) < kRotationMatch;
}

}  // namespace

// The computations built from others are flattened: everything they call is inlined into them,
// so that the intermediate lines and points stay in registers instead of passing through memory
// at every call, which in a recomputation pass costs more than much of the arithmetic.

// Points.

std::optional<Vec2> CentreAt(const CircleGeometry& c) { return FinitePoint(c.centre); }

std::optional<Vec2> DivisionAt(Vec2 p, Vec2 q, double m, double n) {
  const double sum = m + n;
  if (sum == 0) return std::nullopt;
  return FinitePoint(Times(1 / sum, Plus(Times(n, p), Times(m, q))));
}

std::optional<Vec2> ExtensionAt(Vec2 p, Vec2 q, double k) { return DivisionAt(p, q, k + 1, -k); }

std::optional<Vec2> ReflectionAt(Vec2 p, Vec2 centre) { return ExtensionAt(p, centre, 1); }

std::optional<Vec2> RotationAt(Vec2 p, Vec2 centre, double degrees) {
  const double t = Radians(degrees);
  const double dx = p.x - centre.x;
  const double dy = p.y - centre.y;
  return FinitePoint({centre.x + dx * std::cos(t) - dy * std::sin(t),
                      centre.y + dx * std::sin(t) + dy * std::cos(t)});
}

std::optional<Vec2> UnitStepAt(Vec2 p, Vec2 q) {
  Vec2 step = Minus(q, p);
  if (VecNormalize(step) == kFalse) return std::nullopt;
  return FinitePoint(Plus(p, step));
}

std::optional<Vec2> IncentreAt(Vec2 p, Vec2 q, Vec2 r) {
  const double a = Distance(q, r);
  const double b = Distance(r, p);
  const double c = Distance(p, q);
  const double sum = a + b + c;
  if (sum == 0) return FinitePoint(p);
  const Vec2 weighted = Plus(Plus(Times(a, p), Times(b, q)), Times(c, r));
  return FinitePoint(Times(1 / sum, weighted));
}

[[gnu::flatten]] std::optional<Vec2> CircumcentreAt(Vec2 p, Vec2 q, Vec2 r) {
  const std::optional<LineGeometry> pq = LineThrough(p, q);
  const std::optional<LineGeometry> pr = LineThrough(p, r);
  if (!pq || !pr) return std::nullopt;
  const std::optional<LineGeometry> bisectorPQ = BisectorOf(*pq);
  const std::optional<LineGeometry> bisectorPR = BisectorOf(*pr);
  if (!bisectorPQ || !bisectorPR) return std::nullopt;
  return Meet(*bisectorPQ, *bisectorPR);
}

[[gnu::flatten]] std::optional<Vec2> ExcentreAt(Vec2 p, Vec2 q, Vec2 r) {
  const std::optional<Vec2> beyondQ = ReflectionAt(p, q);
  if (!beyondQ) return std::nullopt;
  const std::optional<LineGeometry> atP = AngleBisectorAt(q, p, r);
  const std::optional<LineGeometry> outsideAtQ = AngleBisectorAt(*beyondQ, q, r);
  if (!atP || !outsideAtQ) return std::nullopt;
  return Meet(*atP, *outsideAtQ);
}

// The altitudes from the third and from the second vertex meet in the orthocentre.
[[gnu::flatten]] std::optional<Vec2> OrthocentreAt(Vec2 p, Vec2 q, Vec2 r) {
  const std::optional<LineGeometry> sidePQ = LineThrough(p, q);
  const std::optional<LineGeometry> sidePR = LineThrough(p, r);
  if (!sidePQ || !sidePR) return std::nullopt;
  const std::optional<LineGeometry> altitudeR = PerpendicularThrough(*sidePQ, r);
  const std::optional<LineGeometry> altitudeQ = PerpendicularThrough(*sidePR, q);
  if (!altitudeR || !altitudeQ) return std::nullopt;
  return Meet(*altitudeR, *altitudeQ);
}

[[gnu::flatten]] std::optional<Vec2> NinePointCentreAt(Vec2 p, Vec2 q, Vec2 r) {
  const std::optional<Vec2> midPQ = DivisionAt(p, q, 1, 1);
  const std::optional<Vec2> midQR = DivisionAt(q, r, 1, 1);
  const std::optional<Vec2> midRP = DivisionAt(r, p, 1, 1);
  if (!midPQ || !midQR || !midRP) return std::nullopt;
  return CircumcentreAt(*midPQ, *midQR, *midRP);
}

// Lines.

std::optional<LineGeometry> LineThrough(Vec2 p, Vec2 q) {
  Vec2 direction = Minus(q, p);
  if (VecNormalize(direction) == kFalse) return std::nullopt;
  return FiniteLine(p, q, direction);
}

std::optional<LineGeometry> PerpendicularThrough(const LineGeometry& l, Vec2 p) {
  const Vec2 direction{-l.direction.y, l.direction.x};
  Vec2 foot;
  if (!MeetLines(l.end1, l.direction, p, direction, foot)) return std::nullopt;
  return FiniteLine(p, foot, direction);
}

[[gnu::flatten]] std::optional<Vec2> FootAt(const LineGeometry& l, Vec2 p) {
  const std::optional<LineGeometry> perpendicular = PerpendicularThrough(l, p);
  if (!perpendicular) return std::nullopt;
  return Meet(l, *perpendicular);
}

[[gnu::flatten]] std::optional<LineGeometry> BisectorOf(const LineGeometry& segment) {
  return PerpendicularThrough(segment, Times(0.5, Plus(segment.end1, segment.end2)));
}

[[gnu::flatten]] std::optional<LineGeometry> AngleBisectorAt(Vec2 p, Vec2 q, Vec2 r) {
  const std::optional<Vec2> centre = IncentreAt(p, q, r);
  if (!centre) return std::nullopt;
  return LineThrough(q, *centre);
}

std::optional<LineGeometry> PolarOf(Vec2 p, const CircleGeometry& c) {
  const double a = p.x - c.centre.x;
  const double b = p.y - c.centre.y;
  const double k = -(c.radius * c.radius);
  Vec2 direction{b, -a};
  if ((a == 0 && b == 0) || VecNormalize(direction) == kFalse) return std::nullopt;
  // The polar a X + b Y + k = 0 relative to the centre, met on the vertical through the centre,
  // or on the horizontal when the point is level with it.
  const Vec2 end1 = b != 0 ? Vec2{0, -k / b} : Vec2{-k / a, 0};
  const Vec2 end2 = Plus(end1, direction);
  return FiniteLine(Plus(end1, c.centre), Plus(end2, c.centre), direction);
}

// Intersections.

std::optional<Vec2> Meet(const LineGeometry& l1, const LineGeometry& l2) {
  Vec2 at;
  if (!MeetLines(l1.end1, l1.direction, l2.end1, l2.direction, at)) return std::nullopt;
  return FinitePoint(at);
}

std::optional<TwoPoints> MeetLineCircle(const LineGeometry& l, const CircleGeometry& c,
                                        SolutionOrder& order) {
  const Vec2 e = l.end1;
  const Vec2 d = l.direction;
  const double offset = (e.y - c.centre.y) * d.x - (e.x - c.centre.x) * d.y;
  double discriminant = c.radius * c.radius - offset * offset;
  if (!SettleDiscriminant(discriminant)) return std::nullopt;
  const double h = std::sqrt(discriminant);
  const double u = VecDot(Minus(c.centre, e), d);  // foot of the centre along the line
  return Solutions(Plus(e, Times(u + h, d)), Plus(e, Times(u - h, d)), order);
}

std::optional<TwoPoints> MeetCircles(const CircleGeometry& c1, const CircleGeometry& c2,
                                     SolutionOrder& order) {
  const double dx = c2.centre.x - c1.centre.x;
  const double dy = c2.centre.y - c1.centre.y;
  const double d = dx * dx + dy * dy;
  const double r1 = c1.radius * c1.radius;
  const double r2 = c2.radius * c2.radius;
  // 4 D times the square of half the common chord.
  double q = 2 * d * (r1 + r2) - d * d - (r2 - r1) * (r2 - r1);
  if (!(d > 0) || !SettleDiscriminant(q)) return std::nullopt;
  const double t = 0.5 - (r2 - r1) * 0.5 / d;
  const Vec2 middle{c1.centre.x + t * dx, c1.centre.y + t * dy};
  const double k = std::sqrt(q) * 0.5 / d;
  return Solutions({middle.x - k * dy, middle.y + k * dx}, {middle.x + k * dy, middle.y - k * dx},
                   order);
}

void KeepOrder(SolutionOrder& order, TwoPoints& solutions) {
  if (order.swapFlag == nullptr) return;
  std::int16_t& flag = *order.swapFlag;
  Vec2 o1 = order.recorded1;
  Vec2 o2 = order.recorded2;
  if (flag != 0) std::swap(o1, o2);
  const bool m11 = SamePlace(solutions.first, o1);
  const bool m12 = SamePlace(solutions.first, o2);
  const bool m21 = SamePlace(solutions.second, o1);
  const bool m22 = SamePlace(solutions.second, o2);
  // The natural order turned over while the solutions stayed where they were drawn.
  if ((m12 || m21) && !m11 && !m22) flag = Bool16(flag == 0);
  if (flag != 0) std::swap(solutions.first, solutions.second);
}

bool SamePlace(Vec2 a, Vec2 b) {
  return std::fabs(a.x - b.x) + std::fabs(a.y - b.y) < kSamePosition;
}

// Measures.

std::optional<double> DistanceBetween(Vec2 p, Vec2 q) { return FiniteNumber(Distance(p, q)); }

[[gnu::flatten]] std::optional<double> DistanceToLine(Vec2 p, const LineGeometry& l) {
  const std::optional<Vec2> foot = FootAt(l, p);
  if (!foot) return std::nullopt;
  return DistanceBetween(p, *foot);
}

std::optional<double> DistanceToCircle(Vec2 p, const CircleGeometry& c) {
  return FiniteNumber(std::fabs(Distance(p, c.centre) - c.radius));
}

std::optional<double> UnsignedAngleAt(Vec2 p, Vec2 q, Vec2 r) {
  Vec2 u = Minus(p, q);
  Vec2 v = Minus(r, q);
  // An arm that overflowed has no direction; it is not a short arm either.
  if (!Finite(u) || !Finite(v)) return std::nullopt;
  if (VecNormalize(u) == kFalse || VecNormalize(v) == kFalse) return 0;
  double a = Degrees(ArcCosAngle(VecDot(u, v)));
  if (a < 0) a += 180;
  return FiniteNumber(a);
}

[[gnu::flatten]] std::optional<double> SignedAngleAt(Vec2 p, Vec2 q, Vec2 r, Alerts& alerts) {
  // 1. the unsigned angle
  const std::optional<double> size = UnsignedAngleAt(p, q, r);
  if (!size) return std::nullopt;
  const double a = *size;
  // 2. the unit points of both arms; a short arm keeps the angle 0
  const std::optional<Vec2> armP = UnitStepAt(q, p);
  const std::optional<Vec2> armR = UnitStepAt(q, r);
  if (!armP || !armR) return a;
  // 3., 4. the turn that carries arm QP onto arm QR gives the sign
  if (Matches(RotationAt(*armP, q, a), *armR)) return a;
  if (Matches(RotationAt(*armP, q, -a), *armR)) return -a;
  // 5. an angle of 0 that no turn reproduces: the arms point opposite ways
  if (std::fabs(a) < kStraightAngle) return 180;
  // 6.
  alerts.MessageBox("Error in Angle");
  return -a;
}

}  // namespace zm
