#include <cmath>
#include <optional>

#include "geometry/evaluators.h"
#include "geometry/primitives.h"
#include "geometry/solution_order.h"
#include "geometry/step_io.h"

namespace zm {

namespace {

// A divisor whose real and imaginary parts are both smaller than this counts as zero.
constexpr double kSmallestDivisor = 0.01;

using TriangleCentre = void (*)(const PointRec&, const PointRec&, const PointRec&, PointRec&);

template <TriangleCentre centre>
void CentreOfTriangle(StepIo& io) {
  PointRec out;
  centre(io.Point(1), io.Point(2), io.Point(3), out);
  io.Store(1, out);
}

void Centroid(StepIo& io) {
  const PointRec& a = io.Point(1);
  const PointRec& b = io.Point(2);
  const PointRec& c = io.Point(3);
  PointRec out;
  if (AllValid(a, b, c)) out = PointAt({(a.x + b.x + c.x) / 3, (a.y + b.y + c.y) / 3}, kValid);
  io.Store(1, out);
}

// The altitudes from the third and from the second vertex meet in the orthocentre.
void Orthocentre(StepIo& io) {
  const PointRec& a = io.Point(1);
  const PointRec& b = io.Point(2);
  const PointRec& c = io.Point(3);
  LineRec sideAB, sideAC, altitudeC, altitudeB;
  LineThrough2Points(a, b, sideAB);
  LineThrough2Points(a, c, sideAC);
  PerpendicularLine(sideAB, c, altitudeC);
  PerpendicularLine(sideAC, b, altitudeB);
  PointRec out;
  CrossLL(altitudeC, altitudeB, out);
  io.Store(1, out);
}

void LinesCrossing(StepIo& io) {
  PointRec out;
  CrossLL(io.Line(1), io.Line(2), out);
  io.Store(1, out);
}

void LineCircleCrossing(StepIo& io) {
  PointRec first, second;
  SolutionOrder order = SolutionOrderOf(io.fig());
  CrossLC(io.Line(1), io.Circle(2), first, second, order);
  io.StoreBoth(first, second);
}

void CirclesCrossing(StepIo& io) {
  PointRec first, second;
  SolutionOrder order = SolutionOrderOf(io.fig());
  CrossCC(io.Circle(1), io.Circle(2), first, second, order);
  io.StoreBoth(first, second);
}

void Division(StepIo& io) {
  PointRec out;
  DivisionPoint(io.Point(1), io.Point(2), io.Number(3), io.Number(4), out);
  io.Store(1, out);
}

void Extension(StepIo& io) {
  PointRec out;
  ExtensionPoint(io.Point(1), io.Point(2), io.Number(3), out);
  io.Store(1, out);
}

void Rotation(StepIo& io) {
  PointRec out;
  RotatePoint(io.Point(1), io.Point(2), io.Number(3), out);
  io.Store(1, out);
}

// The point mirrored through its foot on the line.
void LineReflection(StepIo& io) {
  const PointRec& p = io.Point(1);
  LineRec toFoot;
  PerpendicularLine(io.Line(2), p, toFoot);
  PointRec out;
  PointSymmetry(p, PointAt(toFoot.end2, toFoot.check), out);
  io.Store(1, out);
}

void PointReflection(StepIo& io) {
  PointRec out;
  PointSymmetry(io.Point(1), io.Point(2), out);
  io.Store(1, out);
}

// The inverse is the foot of the point on its own polar.
void Inversion(StepIo& io) {
  const PointRec& p = io.Point(1);
  LineRec polar, toFoot;
  PolarLine(p, io.Circle(2), polar);
  PerpendicularLine(polar, p, toFoot);
  PointRec out;
  CrossLL(polar, toFoot, out);
  io.Store(1, out);
}

// Points as complex numbers x + iy.

Vec2 At(const PointRec& p) { return {p.x, p.y}; }

PointRec ResultPoint(std::optional<Vec2> at) {
  return at ? PointAt(*at, kValid) : PointRec{};
}

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
  io.Store(1, ResultPoint(AllValid(p, q) ? op(At(p), At(q)) : std::nullopt));
}

void Reciprocal(StepIo& io) {
  const PointRec& p = io.Point(1);
  std::optional<Vec2> at;
  if (AllValid(p) && !NearZero(At(p))) {
    const double norm = p.x * p.x + p.y * p.y;
    at = Vec2{p.x / norm, -p.y / norm};
  }
  io.Store(1, ResultPoint(at));
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
  io.Store(1, ResultPoint(at));
}

void FromCoordinates(StepIo& io) {
  const NumberRec& x = io.Number(1);
  const NumberRec& y = io.Number(2);
  io.Store(1, AllValid(x, y) ? PointAt({x.value, y.value}, kValid) : PointRec{});
}

// Codes that are not listed ("PNEW", "PNEQ", "PBND", ...) change nothing: free and bound points
// move through dragging and their bindings, and composite codes are expanded into listed ones.
constexpr StepProc kPointProcs[] = {
    {PackCode("P1"), CentreOfTriangle<Circumcentre>},
    {PackCode("P2"), CentreOfTriangle<Incentre>},
    {PackCode("P3"), Centroid},
    {PackCode("P4"), Orthocentre},
    {PackCode("P5"), CentreOfTriangle<Excentre>},
    {PackCode("P6"), CentreOfTriangle<NinePointCentre>},
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

}  // namespace

void EvalPointStep(Figure& fig, Alerts& alerts, int step) { RunStep(kPointProcs, fig, alerts, step); }

}  // namespace zm
