#include "geometry/evaluators.h"
#include "geometry/primitives.h"
#include "geometry/step_io.h"

namespace zm {

namespace {

// Every circle ends in one of these two forms, so its radius always comes from a stored measure.

CircleRec CentreRadius(const PointRec& centre, const NumberRec& radius) {
  CircleRec out;
  if (!AllValid(centre, radius) || !(radius.value >= 0)) return out;
  out.centre = {centre.x, centre.y};
  out.radius = radius.value;
  out.check = kValid;
  return out;
}

CircleRec CentrePoint(const PointRec& centre, const PointRec& onCircle) {
  NumberRec radius;
  DistancePP(centre, onCircle, radius);
  return CentreRadius(centre, radius);
}

void GivenRadius(StepIo& io) { io.Store(1, CentreRadius(io.Point(1), io.Number(2))); }

void ThroughPoint(StepIo& io) { io.Store(1, CentrePoint(io.Point(1), io.Point(2))); }

void Circumcircle(StepIo& io) {
  PointRec centre;
  Circumcentre(io.Point(1), io.Point(2), io.Point(3), centre);
  io.Store(1, CentrePoint(centre, io.Point(1)));
}

// The circle on the line's two ends as diameter, whatever the line's kind.
void OnDiameter(StepIo& io) {
  const LineRec& l = io.Line(1);
  const PointRec end1 = PointAt(l.end1, l.check);
  const PointRec end2 = PointAt(l.end2, l.check);
  const NumberRec one = ConstantNumber(1);
  PointRec centre;
  DivisionPoint(end1, end2, one, one, centre);
  io.Store(1, CentrePoint(centre, end1));
}

void Incircle(StepIo& io) {
  const PointRec& a = io.Point(1);
  const PointRec& b = io.Point(2);
  PointRec centre;
  Incentre(a, b, io.Point(3), centre);
  LineRec side;
  LineThrough2Points(a, b, side);
  NumberRec radius;
  DistancePL(centre, side, radius);
  io.Store(1, CentreRadius(centre, radius));
}

// The excircle opposite the first point touches the side through the other two.
void Excircle(StepIo& io) {
  PointRec centre;
  Excentre(io.Point(1), io.Point(2), io.Point(3), centre);
  LineRec side, toFoot;
  LineThrough2Points(io.Point(2), io.Point(3), side);
  PerpendicularLine(side, centre, toFoot);
  PointRec foot;
  CrossLL(side, toFoot, foot);
  io.Store(1, CentrePoint(centre, foot));
}

void NinePointCircle(StepIo& io) {
  const PointRec& a = io.Point(1);
  const PointRec& b = io.Point(2);
  PointRec centre;
  NinePointCentre(a, b, io.Point(3), centre);
  const NumberRec one = ConstantNumber(1);
  PointRec midAB;
  DivisionPoint(a, b, one, one, midAB);
  io.Store(1, CentrePoint(centre, midAB));
}

// Codes that are not listed change nothing; "CALC" reaches this evaluator by its first letter.
constexpr StepProc kCircleProcs[] = {
    {PackCode("C1"), GivenRadius},
    {PackCode("C2"), ThroughPoint},
    {PackCode("C3"), Circumcircle},
    {PackCode("C4"), OnDiameter},
    {PackCode("C5"), Incircle},
    {PackCode("C6"), Excircle},
    {PackCode("C7"), NinePointCircle},
};

}  // namespace

void EvalCircleStep(Figure& fig, Alerts& alerts, int step) {
  RunStep(kCircleProcs, fig, alerts, step);
}

}  // namespace zm
