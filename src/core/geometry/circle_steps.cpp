#include <optional>

#include "geometry/evaluators.h"
#include "geometry/step_io.h"
#include "geometry/value_primitives.h"

namespace zm {

namespace {

// Every circle ends in one of these two forms, so its radius always comes from a measure.

std::optional<CircleGeometry> CentreRadius(Vec2 centre, double radius) {
  if (!(radius >= 0)) return std::nullopt;
  return CircleGeometry{centre, radius};
}

std::optional<CircleGeometry> CentrePoint(Vec2 centre, Vec2 onCircle) {
  const std::optional<double> radius = DistanceBetween(centre, onCircle);
  if (!radius) return std::nullopt;
  return CentreRadius(centre, *radius);
}

void GivenRadius(StepIo& io) {
  const PointRec& centre = io.Point(1);
  const NumberRec& radius = io.Number(2);
  io.Store(1, AllValid(centre, radius) ? CentreRadius(At(centre), radius.value) : std::nullopt);
}

void ThroughPoint(StepIo& io) {
  const PointRec& centre = io.Point(1);
  const PointRec& onCircle = io.Point(2);
  io.Store(1, AllValid(centre, onCircle) ? CentrePoint(At(centre), At(onCircle)) : std::nullopt);
}

// A circle of the triangle of the three input points: about the point that `centre` gives for
// the vertices, through the point that `onCircle` gives for the vertices and that centre.
using PointOnCircle = std::optional<Vec2> (*)(Vec2 a, Vec2 b, Vec2 c, Vec2 centre);

template <TriangleCentre centre, PointOnCircle onCircle>
void TriangleCircle(StepIo& io) {
  const PointRec& a = io.Point(1);
  const PointRec& b = io.Point(2);
  const PointRec& c = io.Point(3);
  std::optional<CircleGeometry> out;
  if (AllValid(a, b, c)) {
    const std::optional<Vec2> at = centre(At(a), At(b), At(c));
    const std::optional<Vec2> on = at ? onCircle(At(a), At(b), At(c), *at) : std::nullopt;
    if (on) out = CentrePoint(*at, *on);
  }
  io.Store(1, out);
}

std::optional<Vec2> FirstVertex(Vec2 a, Vec2, Vec2, Vec2) { return a; }

// The foot of the centre on the side through the points `from` and `to`.
std::optional<Vec2> FootOnSide(Vec2 from, Vec2 to, Vec2 centre) {
  const std::optional<LineGeometry> side = LineThrough(from, to);
  if (!side) return std::nullopt;
  return FootAt(*side, centre);
}

// The incircle touches the side through the first two points.
std::optional<Vec2> FootOnFirstSide(Vec2 a, Vec2 b, Vec2, Vec2 centre) {
  return FootOnSide(a, b, centre);
}

// The excircle opposite the first point touches the side through the other two.
std::optional<Vec2> FootOnOppositeSide(Vec2, Vec2 b, Vec2 c, Vec2 centre) {
  return FootOnSide(b, c, centre);
}

// The nine-point circle passes through the middle of the first side.
std::optional<Vec2> MiddleOfFirstSide(Vec2 a, Vec2 b, Vec2, Vec2) { return DivisionAt(a, b, 1, 1); }

// The circle on the line's two ends as diameter, whatever the line's kind.
void OnDiameter(StepIo& io) {
  const LineRec& l = io.Line(1);
  std::optional<CircleGeometry> out;
  if (AllValid(l)) {
    const std::optional<Vec2> centre = DivisionAt(l.end1, l.end2, 1, 1);
    if (centre) out = CentrePoint(*centre, l.end1);
  }
  io.Store(1, out);
}

// Codes that are not listed change nothing; "CALC" reaches this evaluator by its first letter.
constexpr StepProc kCircleProcs[] = {
    {PackCode("C1"), GivenRadius},
    {PackCode("C2"), ThroughPoint},
    {PackCode("C3"), TriangleCircle<CircumcentreAt, FirstVertex>},
    {PackCode("C4"), OnDiameter},
    {PackCode("C5"), TriangleCircle<IncentreAt, FootOnFirstSide>},
    {PackCode("C6"), TriangleCircle<ExcentreAt, FootOnOppositeSide>},
    {PackCode("C7"), TriangleCircle<NinePointCentreAt, MiddleOfFirstSide>},
};

constexpr ProcTable kCircleTable(kCircleProcs);

}  // namespace

void EvalCircleStep(Figure& fig, Alerts& alerts, int step) {
  RunStep(kCircleTable, fig, alerts, step);
}

}  // namespace zm
