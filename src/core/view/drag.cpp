#include "view/drag.h"

#include "figure/modes.h"
#include "figure/recompute.h"
#include "geometry/bound_points.h"
#include "geometry/primitives.h"
#include "geometry/solution_order.h"
#include "text/number_text.h"
#include "text/value_list.h"
#include "view/locus.h"
#include "view/render.h"
#include "view/snapshot.h"
#include "view/viewport.h"

namespace zm {

namespace {

constexpr std::int16_t kOnLine = 2;
constexpr std::int16_t kOnCircle = 3;

constexpr int kBenchmarkRounds = 25;
constexpr double kSecondsPerDay = 86400;
constexpr Vec2 kBenchmarkTextAt{10, 8};
constexpr std::int16_t kBlack = 7;
constexpr std::int16_t kBackground = 0;

ObjRef MovingRef(const App& app) { return {kPoint, app.MovingPoint}; }

// The bound-point operations work on a table entry, but the moving point's entry has to keep
// its old place until it has been erased there. The working copy visits the entry for the call.
template <class Op>
void OnMovingEntry(App& app, PointRec& copy, Op op) {
  PointRec& entry = app.fig.Points[app.MovingPoint];
  const PointRec old = entry;
  entry = copy;
  op();
  copy = entry;
  entry = old;
}

// Steps shared by a mouse and a key step up to the move itself: the working copy, the marking
// on the first move of a deformation, and the snapshot of the figure before this step.
PointRec BeginStep(App& app) {
  Figure& fig = app.fig;
  PointRec& entry = fig.Points[app.MovingPoint];
  const PointRec copy = entry;
  entry.check = kValid;
  if (app.FirstMove != kFalse) {
    MarkDependencies(fig, app.shell, MovingRef(app));
    app.FirstMove = kFalse;
  }
  entry.check = kValid;
  TakeSnapshot(fig);
  return copy;
}

// Puts the copy at `at` when that is a position; returns whether it did.
bool MoveCopyTo(PointRec& copy, const PointRec& at) {
  if (at.check == kInvalid) return false;
  copy.x = at.x;
  copy.y = at.y;
  return true;
}

// The foot of the perpendicular from the mouse on the bound line. An invalid line has no foot:
// the point stays where it was.
bool PlaceOnBoundLine(App& app, PointRec& copy, const PointRec& mouse) {
  const LineRec& host = app.fig.Lines[copy.bindingIndex];
  LineRec perpendicular;
  PerpendicularLine(host, mouse, perpendicular);
  PointRec foot;
  CrossLL(host, perpendicular, foot);
  return MoveCopyTo(copy, foot);
}

// The point of the bound circle nearer to the mouse, on the line through the centre and the
// mouse. With the mouse within 0.01 of the centre that line has no direction: the point keeps
// its previous position and parameter.
bool PlaceOnBoundCircle(App& app, PointRec& copy, const PointRec& mouse) {
  Figure& fig = app.fig;
  const CircleRec& host = fig.Circles[copy.bindingIndex];
  PointRec centre;
  CentreAsPoint(host, centre);
  LineRec radial;
  LineThrough2Points(centre, mouse, radial);
  // The nearer intersection does not depend on the order of the two, so the order-keeping step
  // runs on a flag of its own: the step evaluated last keeps its SwapFlag untouched.
  SolutionOrder order = SolutionOrderOf(fig);
  std::int16_t swapFlag = *order.swapFlag;
  order.swapFlag = &swapFlag;
  PointRec s1, s2;
  CrossLC(radial, host, s1, s2, order);
  NumberRec d1, d2;
  DistancePP(s1, mouse, d1);
  DistancePP(s2, mouse, d2);
  // Equally near (never the case on a line through the centre): the second one.
  return MoveCopyTo(copy, d1.value < d2.value ? s1 : s2);
}

void PlaceMovingPoint(App& app, PointRec& copy, double x, double y) {
  PointRec mouse;
  mouse.x = x;
  mouse.y = y;
  mouse.check = kValid;
  bool placed = false;
  switch (copy.bindingKind) {
    case 0:
      MoveCopyTo(copy, mouse);
      return;
    case kOnLine:
      placed = PlaceOnBoundLine(app, copy, mouse);
      break;
    case kOnCircle:
      placed = PlaceOnBoundCircle(app, copy, mouse);
      break;
    default:
      return;
  }
  if (placed) OnMovingEntry(app, copy, [&] { ParamFromPosition(app.fig, app.MovingPoint); });
}

void NudgeMovingPoint(App& app, PointRec& copy, int key) {
  const double s = app.KeyStep * app.dp;
  if (copy.bindingKind == 0) {
    switch (key) {
      case kKeyUp: copy.y += s; break;
      case kKeyDown: copy.y -= s; break;
      case kKeyRight: copy.x += s; break;
      case kKeyLeft: copy.x -= s; break;
      default: break;
    }
    return;
  }
  // The parameter is a length along the host, so a step moves a bound point along it.
  if (key == kKeyUp || key == kKeyRight) copy.parameter += s;
  if (key == kKeyDown || key == kKeyLeft) copy.parameter -= s;
  OnMovingEntry(app, copy, [&] { PlaceBoundPoint(app.fig, app.shell, app.MovingPoint); });
}

// Steps shared by a mouse and a key step after the move: the moving point is erased (or
// traced) at its old place, takes its new one, and the figure follows.
void FinishStep(App& app, const PointRec& copy) {
  DrawMovingMarks(app);
  if (app.NotChrDisp == kFalse) DrawLabel(app, MovingRef(app), kBackground, true);
  TraceObject(app, MovingRef(app));
  app.fig.Points[app.MovingPoint] = copy;
  UpdateAfterMove(app);
}

void TraceAll(App& app, std::int16_t kind) {
  for (int i = 1; i <= app.fig.ObjCount[kind]; ++i) TraceObject(app, {kind, static_cast<std::int16_t>(i)});
}

}  // namespace

void DragTo(App& app, double x, double y) {
  if (app.MovingPoint == 0) {
    Redraw(app);
    return;
  }
  PointRec copy = BeginStep(app);
  PlaceMovingPoint(app, copy, x, y);
  FinishStep(app, copy);
}

void KeyMove(App& app, int key) {
  if (app.KeyStep == 0) app.KeyStep = 10;
  if (app.MovingPoint == 0) {
    Redraw(app);
    return;
  }
  PointRec copy = BeginStep(app);
  // The point keeps its mark kind: a key step moves it like a mouse step does.
  NudgeMovingPoint(app, copy, key);
  FinishStep(app, copy);
}

void UpdateAfterMove(App& app) {
  PushMode(app, kModeComputing);
  for (std::int16_t kind : {kPoint, kLine, kCircle}) TraceAll(app, kind);
  RecomputeAll(app.fig, app.shell);
  DrawFigure(app);
  DrawValueList(app);
  PopMode(app);
}

void DrawMovingMarks(App& app) {
  for (int i = 1; i <= app.fig.ObjCount[kPoint]; ++i)
    if (app.fig.Points[i].kind >= 10) DrawObject(app, {kPoint, static_cast<std::int16_t>(i)}, kDrawLocus);
}

double Benchmark(App& app) {
  app.MovingPoint = 1;
  const double t0 = app.shell.SecondsSinceMidnight();
  for (int round = 0; round < kBenchmarkRounds; ++round)
    for (int key : {kKeyUp, kKeyRight, kKeyDown, kKeyLeft}) KeyMove(app, key);
  double seconds = app.shell.SecondsSinceMidnight() - t0;
  // The timer starts again at midnight.
  if (seconds < 0) seconds += kSecondsPerDay;
  app.surface.Text(ToPixel(app, kBenchmarkTextAt), NumberText(seconds), ColorOf(app.shell, kBlack),
                   app.fontSize);
  return seconds;
}

}  // namespace zm
