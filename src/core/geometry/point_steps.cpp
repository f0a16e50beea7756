#include <cmath>
#include <optional>

#include "geometry/evaluators.h"
#include "geometry/primitives.h"
#include "geometry/solution_order.h"
#include "geometry/step_io.h"
#include "geometry/value_primitives.h"

namespace zm {

namespace {

// A divisor whose real and imaginary parts are both smaller than this counts as zero.
constexpr double kSmallestDivisor = 0.01;


template <TriangleCentre centre>
void CentreOfTriangle(StepIo& io) {
  const PointRec& a = io.Point(1);
  const PointRec& b = io.Point(2);
  const PointRec& c = io.Point(3);
  io.Store(1, AllValid(a, b, c) ? centre(At(a), At(b), At(c)) : std::nullopt);
}

void Centroid(StepIo& io) {
  const PointRec& a = io.Point(1);
  const PointRec& b = io.Point(2);
  const PointRec& c = io.Point(3);
  std::optional<Vec2> at;
  if (AllValid(a, b, c)) at = Vec2{(a.x + b.x + c.x) / 3, (a.y + b.y + c.y) / 3};
  io.Store(1, at);
}

void LinesCrossing(StepIo& io) {
  const LineRec& l1 = io.Line(1);
  const LineRec& l2 = io.Line(2);
  io.Store(1, AllValid(l1, l2) ? Meet(Geometry(l1), Geometry(l2)) : std::nullopt);
}

void LineCircleCrossing(StepIo& io) {
  const LineRec& l = io.Line(1);
  const CircleRec& c = io.Circle(2);
  SolutionOrder order = SolutionOrderOf(io.fig());
  io.StoreBoth(AllValid(l, c) ? MeetLineCircle(Geometry(l), Geometry(c), order) : std::nullopt);
}

void CirclesCrossing(StepIo& io) {
  const CircleRec& c1 = io.Circle(1);
  const CircleRec& c2 = io.Circle(2);
  SolutionOrder order = SolutionOrderOf(io.fig());
  io.StoreBoth(AllValid(c1, c2) ? MeetCircles(Geometry(c1), Geometry(c2), order) : std::nullopt);
}

void Division(StepIo& io) {
  const PointRec& p = io.Point(1);
  const PointRec& q = io.Point(2);
  const NumberRec& m = io.Number(3);
  const NumberRec& n = io.Number(4);
  io.Store(1, AllValid(p, q, m, n) ? DivisionAt(At(p), At(q), m.value, n.value) : std::nullopt);
}

void Extension(StepIo& io) {
  const PointRec& p = io.Point(1);
  const PointRec& q = io.Point(2);
  const NumberRec& k = io.Number(3);
  io.Store(1, AllValid(p, q, k) ? ExtensionAt(At(p), At(q), k.value) : std::nullopt);
}

void Rotation(StepIo& io) {
  const PointRec& p = io.Point(1);
  const PointRec& centre = io.Point(2);
  const NumberRec& degrees = io.Number(3);
  io.Store(1, AllValid(p, centre, degrees) ? RotationAt(At(p), At(centre), degrees.value)
                                           : std::nullopt);
}

// The point mirrored through its foot on the line.
void LineReflection(StepIo& io) {
  const PointRec& p = io.Point(1);
  const LineRec& l = io.Line(2);
  std::optional<Vec2> at;
  if (AllValid(p, l)) {
    const std::optional<LineGeometry> toFoot = PerpendicularThrough(Geometry(l), At(p));
    if (toFoot) at = ReflectionAt(At(p), toFoot->end2);
  }
  io.Store(1, at);
}

void PointReflection(StepIo& io) {
  const PointRec& p = io.Point(1);
  const PointRec& centre = io.Point(2);
  io.Store(1, AllValid(p, centre) ? ReflectionAt(At(p), At(centre)) : std::nullopt);
}

// The inverse is the foot of the point on its own polar.
void Inversion(StepIo& io) {
  const PointRec& p = io.Point(1);
  const CircleRec& c = io.Circle(2);
  std::optional<Vec2> at;
  if (AllValid(p, c)) {
    const std::optional<LineGeometry> polar = PolarOf(At(p), Geometry(c));
    if (polar) at = FootAt(*polar, At(p));
  }
  io.Store(1, at);
}

// Points as complex numbers x + iy.

bool NearZero(Vec2 z) {
  return std::abs(z.x) < kSmallestDivisor && std::abs(z.y) < kSmallestDivisor;
}

std::optional<Vec2> Sum(Vec2 p, Vec2 q) { return Vec2{p.x + q.x, p.y + q.y}; }
std::optional<Vec2> Difference(Vec2 p, Vec2 q) { return Vec2{p.x - q.x, p.y - q.y}; }
std::optional<Vec2> Product(Vec2 p, Vec2 q) {
  return Vec2{p.x * q.x - p.y * q.y, p.x * q.y + q.x * p.y};
}
std::optional<Vec2> Quotient(Vec2 p, Vec2 q) {
  if (NearZero(q)) return std::nullopt;
  const double norm = q.x * q.x + q.y * q.y;
  return Vec2{(p.x * q.x + p.y * q.y) / norm, (p.y * q.x - p.x * q.y) / norm};
}

using ComplexOp = std::optional<Vec2> (*)(Vec2, Vec2);

template <ComplexOp op>
void Complex(StepIo& io) {
  const PointRec& p = io.Point(1);
  const PointRec& q = io.Point(2);
  io.Store(1, AllValid(p, q) ? op(At(p), At(q)) : std::nullopt);
}

void Reciprocal(StepIo& io) {
  const PointRec& p = io.Point(1);
  std::optional<Vec2> at;
  if (AllValid(p) && !NearZero(At(p))) {
    const double norm = p.x * p.x + p.y * p.y;
    at = Vec2{p.x / norm, -p.y / norm};
  }
  io.Store(1, at);
}

// The argument in [0, 2 pi), from the arctangent: the cut of a non-integer power runs along
// the positive real axis.
double Argument(Vec2 z) {
  double phi = 0;
  if (z.x != 0)
    phi = std::atan(z.y / z.x) + (z.x < 0 ? kPi : 0);
  else if (z.y > 0)
    phi = kHalfPi;
  else if (z.y < 0)
    phi = -kHalfPi;
  return phi < 0 ? phi + kTwoPi : phi;
}

void Power(StepIo& io) {
  const PointRec& p = io.Point(1);
  const NumberRec& exponent = io.Number(2);
  std::optional<Vec2> at;
  const double rho = std::sqrt(p.x * p.x + p.y * p.y);
  // 0 has no power with a negative exponent.
  if (AllValid(p, exponent) && !(rho == 0 && exponent.value < 0)) {
    const double n = exponent.value;
    const double scale = std::pow(rho, n);
    const double phi = Argument(At(p));
    at = Vec2{scale * std::cos(n * phi), scale * std::sin(n * phi)};
  }
  io.Store(1, at);
}

void FromCoordinates(StepIo& io) {
  const NumberRec& x = io.Number(1);
  const NumberRec& y = io.Number(2);
  io.Store(1, AllValid(x, y) ? std::optional(Vec2{x.value, y.value}) : std::nullopt);
}

// Codes that are not listed ("PNEW", "PNEQ", "PBND", ...) change nothing: free and bound points
// move through dragging and their bindings, and composite codes are expanded into listed ones.
constexpr StepProc kPointProcs[] = {
    {PackCode("P1"), CentreOfTriangle<CircumcentreAt>},
    {PackCode("P2"), CentreOfTriangle<IncentreAt>},
    {PackCode("P3"), Centroid},
    {PackCode("P4"), CentreOfTriangle<OrthocentreAt>},
    {PackCode("P5"), CentreOfTriangle<ExcentreAt>},
    {PackCode("P6"), CentreOfTriangle<NinePointCentreAt>},
    {PackCode("PC1"), LinesCrossing},
    {PackCode("PC2"), LineCircleCrossing},
    {PackCode("PC3"), CirclesCrossing},
    {PackCode("PN"), Division},
    {PackCode("PEXT"), Extension},
    {PackCode("PT1"), Rotation},
    {PackCode("PT2"), LineReflection},
    {PackCode("PT3"), PointReflection},
    {PackCode("PT4"), Inversion},
    {PackCode("PO+"), Complex<Sum>},
    {PackCode("PO-"), Complex<Difference>},
    {PackCode("PO*"), Complex<Product>},
    {PackCode("PO/"), Complex<Quotient>},
    {PackCode("PO^"), Power},
    {PackCode("PO-1"), Reciprocal},
    {PackCode("PXY"), FromCoordinates},
};

constexpr ProcTable kPointTable(kPointProcs);

}  // namespace

void EvalPointStep(Figure& fig, Alerts& alerts, int step) { RunStep(kPointTable, fig, alerts, step); }

}  // namespace zm
