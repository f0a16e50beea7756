#include <cmath>
#include <optional>

#include "geometry/evaluators.h"
#include "geometry/primitives.h"
#include "geometry/proc_table.h"
#include "geometry/rounding.h"
#include "geometry/step_io.h"
#include "geometry/value_primitives.h"

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

// What a measurement writes: it starts as the output's value and check state; leaving the value
// alone keeps the last one.
struct Measured {
  double value = 0;
  std::int16_t check = kInvalid;
};

using Measure = void (*)(const Inputs& in, Alerts& alerts, Measured& result);

struct NumberProc {
  std::uint64_t code;
  Measure measure;
};

// A measure, or check 0 and the last value when there is none.
void Put(Measured& result, const std::optional<double>& value) {
  if (value) result.value = *value;
  result.check = value ? kValid : kInvalid;
}

std::optional<Vec2> CentreOf(const CircleRec& c) {
  return AllValid(c) ? CentreAt(Geometry(c)) : std::nullopt;
}

// Distances.

void DistanceOfPoints(const Inputs& in, Alerts&, Measured& result) {
  const PointRec& p = in.Point(1);
  const PointRec& q = in.Point(2);
  Put(result, AllValid(p, q) ? DistanceBetween(At(p), At(q)) : std::nullopt);
}

void DistanceOfLines(const Inputs& in, Alerts&, Measured& result) {
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
  const std::optional<LineGeometry> across = PerpendicularThrough(Geometry(a), a.end1);
  const std::optional<Vec2> foot = across ? Meet(*across, Geometry(b)) : std::nullopt;
  Put(result, foot ? DistanceBetween(a.end1, *foot) : std::nullopt);
}

void DistanceOfCircles(const Inputs& in, Alerts&, Measured& result) {
  const CircleRec& a = in.Circle(1);
  const CircleRec& b = in.Circle(2);
  const std::optional<Vec2> centreA = CentreOf(a);
  const std::optional<Vec2> centreB = CentreOf(b);
  Put(result, centreA && centreB ? DistanceBetween(*centreA, *centreB) : std::nullopt);
  if (result.check == kInvalid) return;
  // Touching, overlapping and nested circles are 0 apart.
  result.value = std::fmax(result.value - a.radius - b.radius, 0);
}

void DistanceOfLineAndCircle(const Inputs& in, Alerts&, Measured& result) {
  const LineRec& l = in.Line(1);
  const CircleRec& c = in.Circle(2);
  const std::optional<Vec2> centre = CentreOf(c);
  Put(result, centre && AllValid(l) ? DistanceToLine(*centre, Geometry(l)) : std::nullopt);
  // A line that cuts the circle is a negative distance away.
  if (result.check != kInvalid) result.value -= c.radius;
}

void DistanceOfPointAndCircle(const Inputs& in, Alerts&, Measured& result) {
  const PointRec& p = in.Point(1);
  const CircleRec& c = in.Circle(2);
  Put(result, AllValid(p, c) ? DistanceToCircle(At(p), Geometry(c)) : std::nullopt);
}

void DistanceOfPointAndLine(const Inputs& in, Alerts&, Measured& result) {
  const PointRec& p = in.Point(1);
  const LineRec& l = in.Line(2);
  Put(result, AllValid(p, l) ? DistanceToLine(At(p), Geometry(l)) : std::nullopt);
}

// Angles of three points, vertex at the second.

void SignedAngle(const Inputs& in, Alerts& alerts, Measured& result) {
  const PointRec& p = in.Point(1);
  const PointRec& q = in.Point(2);
  const PointRec& r = in.Point(3);
  Put(result, AllValid(p, q, r) ? SignedAngleAt(At(p), At(q), At(r), alerts) : std::nullopt);
}

void AngleSize(const Inputs& in, Alerts& alerts, Measured& result) {
  SignedAngle(in, alerts, result);
  if (result.check != kInvalid) result.value = std::fabs(result.value);
}

void FullTurnAngle(const Inputs& in, Alerts& alerts, Measured& result) {
  SignedAngle(in, alerts, result);
  if (result.check != kInvalid && result.value < 0) result.value += 360;
}

void AngleOfLines(const Inputs& in, Alerts&, Measured& result) {
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

void AreaFromSidesAndAngle(const Inputs& in, Alerts&, Measured& result) {
  const PointRec& p = in.Point(1);
  const PointRec& q = in.Point(2);
  const PointRec& r = in.Point(3);
  if (!AllValid(p, q, r)) {
    result.check = kInvalid;
    return;
  }
  const std::optional<double> pq = DistanceBetween(At(p), At(q));
  const std::optional<double> qr = DistanceBetween(At(q), At(r));
  const std::optional<double> angle = UnsignedAngleAt(At(p), At(q), At(r));
  if (!pq || !qr || !angle) {
    result.check = kInvalid;
    return;
  }
  result.value = *pq * *qr * std::sin(*angle * kPi / 180) / 2;
  result.check = kValid;
}

void SignedArea(const Inputs& in, Alerts&, Measured& result) {
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

void Circumference(const Inputs& in, Alerts&, Measured& result) {
  const CircleRec& c = in.Circle(1);
  result.check = c.check == kInvalid ? kInvalid : kValid;
  if (result.check != kInvalid) result.value = kTwoPi * c.radius;
}

void Radius(const Inputs& in, Alerts&, Measured& result) {
  const CircleRec& c = in.Circle(1);
  result.check = c.check == kInvalid ? kInvalid : kValid;
  if (result.check != kInvalid) result.value = c.radius;
}

// Functions of a number in degrees.

template <double (*F)(double)>
void FunctionOfDegrees(const Inputs& in, Alerts&, Measured& result) {
  const NumberRec& t = in.Number(1);
  result.check = t.check == kInvalid ? kInvalid : kValid;
  if (result.check != kInvalid) result.value = F(t.value * kPi / 180);
}

double Sine(double radians) { return std::sin(radians); }
double Cosine(double radians) { return std::cos(radians); }

// The angle is first taken to the nearest whole degree; within half a degree of a multiple of
// 90 (0 included) the tangent is not measured.
void Tangent(const Inputs& in, Alerts&, Measured& result) {
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

constexpr ProcTable kNumberTable(kNumberProcs);

}  // namespace

void EvalNumberStep(Figure& fig, Alerts& alerts, int step) {
  const int outIndex = fig.StepOut[step][1].index;
  const NumberProc* proc = kNumberTable.Find(fig.StepCode[step].Packed());
  if (proc == nullptr || !fig.Numbers.Holds(outIndex)) return;
  NumberRec& out = fig.Numbers[outIndex];
  Measured result{out.value, out.check};
  proc->measure(Inputs(fig, fig.StepIn[step]), alerts, result);
  // Only value and check change; a value that overflowed never reaches the table.
  const bool finite = std::isfinite(result.value);
  if (finite) out.value = result.value;
  out.check = finite && result.check != kInvalid ? kValid : kInvalid;
}

}  // namespace zm
