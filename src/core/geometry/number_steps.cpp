#include <cmath>

#include "geometry/evaluators.h"
#include "geometry/primitives.h"
#include "geometry/step_io.h"

namespace zm {

namespace {

// Two line directions this close in both coordinates count as parallel; opposite directions do not.
constexpr double kSameDirection = 0.01;

// The input records of a measurement step. A slot that names no entry of its table reads an
// invalid record, so a damaged step never measures entry 0.
class Inputs {
 public:
  Inputs(const Figure& fig, const StepSlots& slots) : fig_(fig), slots_(slots) {}

  const PointRec& Point(int slot) const { return Pick(fig_.Points, slot); }
  const LineRec& Line(int slot) const { return Pick(fig_.Lines, slot); }
  const CircleRec& Circle(int slot) const { return Pick(fig_.Circles, slot); }
  const NumberRec& Number(int slot) const { return Pick(fig_.Numbers, slot); }

 private:
  template <class Rec>
  const Rec& Pick(const Table<Rec>& table, int slot) const {
    static const Rec none{};  // check 0
    const int index = slots_[slot].index;
    return table.Holds(index) ? table[index] : none;
  }

  const Figure& fig_;
  const StepSlots& slots_;
};

// Each measurement writes value and check of `result`, which starts as a copy of the output;
// leaving the value alone keeps the last one.
using Measure = void (*)(const Inputs& in, Alerts& alerts, NumberRec& result);

struct NumberProc {
  std::uint64_t code;
  Measure measure;
};

PointRec CentreOf(const CircleRec& c) {
  PointRec centre;
  CentreAsPoint(c, centre);
  return centre;
}

// Distances.

void DistanceOfPoints(const Inputs& in, Alerts&, NumberRec& result) {
  DistancePP(in.Point(1), in.Point(2), result);
}

void DistanceOfLines(const Inputs& in, Alerts&, NumberRec& result) {
  const LineRec& a = in.Line(1);
  const LineRec& b = in.Line(2);
  if (a.check == kInvalid || b.check == kInvalid) {
    result.check = kInvalid;
    return;
  }
  const bool parallel = std::fabs(a.direction.x - b.direction.x) <= kSameDirection &&
                        std::fabs(a.direction.y - b.direction.y) <= kSameDirection;
  if (!parallel) {
    result.value = 0;
    result.check = kValid;
    return;
  }
  const PointRec start = PointAt(a.end1, kValid);
  LineRec across;
  PointRec foot;
  PerpendicularLine(a, start, across);
  CrossLL(across, b, foot);
  DistancePP(start, foot, result);
}

void DistanceOfCircles(const Inputs& in, Alerts&, NumberRec& result) {
  const CircleRec& a = in.Circle(1);
  const CircleRec& b = in.Circle(2);
  DistancePP(CentreOf(a), CentreOf(b), result);
  if (result.check == kInvalid) return;
  // Touching, overlapping and nested circles are 0 apart.
  result.value = std::fmax(result.value - a.radius - b.radius, 0);
}

void DistanceOfLineAndCircle(const Inputs& in, Alerts&, NumberRec& result) {
  const CircleRec& c = in.Circle(2);
  DistancePL(CentreOf(c), in.Line(1), result);
  // A line that cuts the circle is a negative distance away.
  if (result.check != kInvalid) result.value -= c.radius;
}

void DistanceOfPointAndCircle(const Inputs& in, Alerts&, NumberRec& result) {
  DistancePC(in.Point(1), in.Circle(2), result);
}

void DistanceOfPointAndLine(const Inputs& in, Alerts&, NumberRec& result) {
  DistancePL(in.Point(1), in.Line(2), result);
}

// Angles of three points, vertex at the second.

void SignedAngle(const Inputs& in, Alerts& alerts, NumberRec& result) {
  AngleSigned(in.Point(1), in.Point(2), in.Point(3), result, alerts);
}

void AngleSize(const Inputs& in, Alerts& alerts, NumberRec& result) {
  SignedAngle(in, alerts, result);
  if (result.check != kInvalid) result.value = std::fabs(result.value);
}

void FullTurnAngle(const Inputs& in, Alerts& alerts, NumberRec& result) {
  SignedAngle(in, alerts, result);
  if (result.check != kInvalid && result.value < 0) result.value += 360;
}

void AngleOfLines(const Inputs& in, Alerts&, NumberRec& result) {
  const LineRec& a = in.Line(1);
  const LineRec& b = in.Line(2);
  if (a.check == kInvalid || b.check == kInvalid) {
    result.check = kInvalid;
    return;
  }
  double angle = std::fabs(ArcCosAngle(VecDot(a.direction, b.direction)) * 180 / kPi);
  if (angle > 90) angle = 180 - angle;
  result.value = angle;
  result.check = kValid;
}

// Areas.

void AreaFromSidesAndAngle(const Inputs& in, Alerts&, NumberRec& result) {
  const PointRec& p = in.Point(1);
  const PointRec& q = in.Point(2);
  const PointRec& r = in.Point(3);
  NumberRec pq, qr, angle;
  DistancePP(p, q, pq);
  DistancePP(q, r, qr);
  AngleUnsigned(p, q, r, angle);
  if (pq.check == kInvalid || qr.check == kInvalid || angle.check == kInvalid) {
    result.check = kInvalid;
    return;
  }
  result.value = pq.value * qr.value * std::sin(angle.value * kPi / 180) / 2;
  result.check = kValid;
}

void SignedArea(const Inputs& in, Alerts&, NumberRec& result) {
  const PointRec& p = in.Point(1);
  const PointRec& q = in.Point(2);
  const PointRec& r = in.Point(3);
  if (p.check == kInvalid || q.check == kInvalid || r.check == kInvalid) {
    result.check = kInvalid;
    return;
  }
  const Mat2 sides{q.x - p.x, q.y - p.y, r.x - p.x, r.y - p.y};
  result.value = Det2(sides) / 2;
  result.check = kValid;
}

// Lengths of a circle.

void Circumference(const Inputs& in, Alerts&, NumberRec& result) {
  const CircleRec& c = in.Circle(1);
  result.check = c.check == kInvalid ? kInvalid : kValid;
  if (result.check != kInvalid) result.value = kTwoPi * c.radius;
}

void Radius(const Inputs& in, Alerts&, NumberRec& result) {
  const CircleRec& c = in.Circle(1);
  result.check = c.check == kInvalid ? kInvalid : kValid;
  if (result.check != kInvalid) result.value = c.radius;
}

// Functions of a number in degrees.

template <double (*F)(double)>
void FunctionOfDegrees(const Inputs& in, Alerts&, NumberRec& result) {
  const NumberRec& t = in.Number(1);
  result.check = t.check == kInvalid ? kInvalid : kValid;
  if (result.check != kInvalid) result.value = F(t.value * kPi / 180);
}

double Sine(double radians) { return std::sin(radians); }
double Cosine(double radians) { return std::cos(radians); }

// The nearest integer, halves to the even one.
double RoundHalfEven(double t) {
  if (std::fabs(t - std::trunc(t)) == 0.5) return 2 * std::round(t / 2);
  return std::round(t);
}

// The angle is first taken to the nearest whole degree; within half a degree of a multiple of
// 90 (0 included) the tangent is not measured.
void Tangent(const Inputs& in, Alerts&, NumberRec& result) {
  const NumberRec& t = in.Number(1);
  if (t.check == kInvalid) {
    result.check = kInvalid;
    return;
  }
  const double degrees = RoundHalfEven(t.value);
  if (std::fmod(degrees, 90) == 0) {
    result.value = 0;
    result.check = kInvalid;
    return;
  }
  result.value = std::tan(degrees * kPi / 180);
  result.check = kValid;
}

constexpr NumberProc kNumberProcs[] = {
    {PackCode("ND2P"), DistanceOfPoints},
    {PackCode("ND2L"), DistanceOfLines},
    {PackCode("ND2C"), DistanceOfCircles},
    {PackCode("NDLC"), DistanceOfLineAndCircle},
    {PackCode("NDPC"), DistanceOfPointAndCircle},
    {PackCode("NDPL"), DistanceOfPointAndLine},
    {PackCode("NA3+"), SignedAngle},
    {PackCode("NA3P"), AngleSize},
    {PackCode("NA3M"), AngleSize},
    {PackCode("NA3*"), FullTurnAngle},
    {PackCode("NA2L"), AngleOfLines},
    {PackCode("NAR3"), AreaFromSidesAndAngle},
    {PackCode("NAR+"), SignedArea},
    {PackCode("NLC"), Circumference},
    {PackCode("NRC"), Radius},
    {PackCode("NSIN"), FunctionOfDegrees<Sine>},
    {PackCode("NCOS"), FunctionOfDegrees<Cosine>},
    {PackCode("NTAN"), Tangent},
};

}  // namespace

void EvalNumberStep(Figure& fig, Alerts& alerts, int step) {
  const std::uint64_t code = fig.StepCode[step].Packed();
  const int outIndex = fig.StepOut[step][1].index;
  if (!fig.Numbers.Holds(outIndex)) return;
  for (const NumberProc& proc : kNumberProcs) {
    if (proc.code != code) continue;
    NumberRec& out = fig.Numbers[outIndex];
    NumberRec result = out;
    proc.measure(Inputs(fig, fig.StepIn[step]), alerts, result);
    // Only value and check change; a value that overflowed never reaches the table.
    const bool finite = std::isfinite(result.value);
    if (finite) out.value = result.value;
    out.check = finite && result.check != kInvalid ? kValid : kInvalid;
    return;
  }
}

}  // namespace zm
