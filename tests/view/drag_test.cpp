#include "view/drag.h"

#include <gtest/gtest.h>

#include "geometry/primitives.h"
#include "view/drag_scene.h"

namespace zm {
namespace {

enum class Host { kNone, kXAxis, kSegment, kUnitCircle };

// The moving point of a scene: free, or bound at `parameter` to the line through (0, 0) and
// (1, 0) (a whole line or a segment) or to the unit circle about the origin.
ObjRef AddMovingPoint(DragScene& scene, Host host, double parameter, Vec2 freeAt = {1, 1}) {
  if (host == Host::kNone) return scene.FreePoint(freeAt.x, freeAt.y);
  const ObjRef origin = scene.FreePoint(0, 0);
  const ObjRef unit = scene.FreePoint(1, 0);
  switch (host) {
    case Host::kXAxis: return scene.BoundPoint(scene.Line(origin, unit), parameter);
    case Host::kSegment: return scene.BoundPoint(scene.Line(origin, unit, 1), parameter);
    default: return scene.BoundPoint(scene.Circle(origin, unit), parameter);
  }
}

TEST(DragToTest, PutsThePointAtTheMouseOrTheNearestPlaceOnItsHost) {
  struct Case {
    const char* name;
    Host host;
    double parameter;  // where a bound point starts
    Vec2 mouse;
    Vec2 want;
    double wantParameter;
  };
  const Case cases[] = {
      {"a free point goes exactly to the mouse", Host::kNone, 0, {3.25, -1.5}, {3.25, -1.5}, 0},
      {"on a line: the foot of the perpendicular", Host::kXAxis, 0.5, {2, 5}, {2, 0}, 2},
      {"on a line behind end 1: a negative parameter", Host::kXAxis, 0.5, {-3, 2}, {-3, 0}, -3},
      {"on a circle: the nearer crossing above", Host::kUnitCircle, 0, {0, 3}, {0, 1}, kHalfPi},
      {"on a circle: the nearer crossing below, parameter brought into range", Host::kUnitCircle, 0,
       {0, -3}, {0, -1}, 3 * kHalfPi},
      {"mouse inside the circle: still the nearer crossing", Host::kUnitCircle, 0, {-0.5, 0}, {-1, 0}, kPi},
      {"mouse just beyond 0.01 of the centre: placed", Host::kUnitCircle, kHalfPi, {0, -0.011}, {0, -1},
       3 * kHalfPi},
      {"mouse within 0.01 of the centre: position and parameter kept", Host::kUnitCircle, kHalfPi,
       {0.005, 0.005}, {0, 1}, kHalfPi},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    DragScene scene;
    const ObjRef p = AddMovingPoint(scene, c.host, c.parameter);
    scene.StartDeformation(p);
    const PixelPoint before = scene.Px(scene.Point(p).x, scene.Point(p).y);

    DragTo(scene.app, c.mouse.x, c.mouse.y);

    const PointRec& moved = scene.Point(p);
    EXPECT_NE(moved.check, kInvalid);
    const int erased = scene.Find(PixelAt(before, kGrey));
    EXPECT_NE(erased, -1) << "the mark is erased where it was";
    EXPECT_LT(erased, scene.Find(PixelAt(scene.Px(moved.x, moved.y), kBlackRgb)));
    if (c.host == Host::kNone) {
      EXPECT_EQ(moved.x, c.want.x);
      EXPECT_EQ(moved.y, c.want.y);
      continue;
    }
    EXPECT_NEAR(moved.x, c.want.x, 1e-12);
    EXPECT_NEAR(moved.y, c.want.y, 1e-12);
    EXPECT_NEAR(moved.parameter, c.wantParameter, 1e-12);
  }
}

TEST(DragToTest, LeavesTheSwapFlagOfTheLastEvaluatedStepAlone) {
  DragScene scene;
  const ObjRef p = AddMovingPoint(scene, Host::kUnitCircle, 0);
  scene.StartDeformation(p);
  Figure& fig = scene.app.fig;
  // Let the two solutions of the step evaluated last be the points at (0, 0) and (1, 0): the
  // drag's crossings (1, 0) and (-1, 0) then look like a turned-over pair to the order keeping.
  const int last = fig.CurrentStep;
  fig.CurrentOutputs[1] = 1;
  fig.CurrentOutputs[2] = 2;
  const std::int16_t before = fig.SwapFlag[last];

  DragTo(scene.app, 2, 0);

  EXPECT_EQ(fig.SwapFlag[last], before);
  EXPECT_NEAR(scene.Point(p).x, 1, 1e-12);
}

TEST(KeyMoveTest, FourStepsAroundBringAFreePointBackAndKeepItsMark) {
  DragScene scene;
  const ObjRef p = scene.FreePoint(1.5, -2);
  scene.Point(p).kind = 3;
  scene.StartDeformation(p);
  struct Step {
    int key;
    Vec2 want;
  };
  // 10 pixels at 0.05 world units per pixel.
  const Step steps[] = {
      {kKeyUp, {1.5, -1.5}}, {kKeyRight, {2, -1.5}}, {kKeyDown, {2, -2}}, {kKeyLeft, {1.5, -2}}};
  for (const Step& s : steps) {
    SCOPED_TRACE(s.key);
    KeyMove(scene.app, s.key);
    EXPECT_EQ(scene.app.KeyStep, 10);
    EXPECT_DOUBLE_EQ(scene.Point(p).x, s.want.x);
    EXPECT_DOUBLE_EQ(scene.Point(p).y, s.want.y);
    EXPECT_EQ(scene.Point(p).kind, 3) << "a key step keeps the point's mark";
  }
  EXPECT_EQ(CurrentMode(scene.app), kModeDeform);
}

TEST(KeyMoveTest, MovesABoundPointAlongItsHostAndStopsItAtTheEndsOfASegment) {
  struct Case {
    const char* name;
    Host host;
    double parameter;
    int key;
    Vec2 want;
    double wantParameter;
    int beeps;
  };
  const double a = kHalfPi - 0.5;  // radians on the unit circle
  const Case cases[] = {
      {"along a segment", Host::kSegment, 0.2, kKeyUp, {0.7, 0}, 0.7, 0},
      {"stopped at end 2", Host::kSegment, 0.8, kKeyRight, {1, 0}, 1, 1},
      {"stopped at end 1", Host::kSegment, 0.2, kKeyLeft, {0, 0}, 0, 1},
      {"a whole line has no ends", Host::kXAxis, 0.2, kKeyDown, {-0.3, 0}, -0.3, 0},
      {"along the arc of a circle", Host::kUnitCircle, kHalfPi, kKeyDown, {std::cos(a), std::sin(a)}, a, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    DragScene scene;
    const ObjRef p = AddMovingPoint(scene, c.host, c.parameter);
    scene.StartDeformation(p);

    KeyMove(scene.app, c.key);

    EXPECT_NEAR(scene.Point(p).x, c.want.x, 1e-12);
    EXPECT_NEAR(scene.Point(p).y, c.want.y, 1e-12);
    EXPECT_NEAR(scene.Point(p).parameter, c.wantParameter, 1e-12);
    EXPECT_EQ(scene.Beeps(), c.beeps);
  }
}

TEST(DragTest, WithoutAMovingPointEveryStepIsAFullRedraw) {
  struct Case {
    const char* name;
    std::function<void(App&)> step;
  };
  const Case cases[] = {
      {"mouse", [](App& app) { DragTo(app, 3, 3); }},
      {"key", [](App& app) { KeyMove(app, kKeyUp); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    DragScene scene;
    const ObjRef p = scene.FreePoint(1, 1);
    scene.StartDeformation(p);
    scene.app.MovingPoint = 0;

    c.step(scene.app);

    ASSERT_FALSE(scene.surface.Calls().empty());
    EXPECT_EQ(scene.surface.Calls().front().kind, Drawn::Kind::kClear);
    EXPECT_EQ(scene.Point(p).x, 1);
    EXPECT_EQ(scene.Point(p).y, 1);
  }
}

TEST(DragTest, OneStepErasesEveryObjectAtItsOldPlaceBeforeDrawingItAtTheNewOne) {
  DragScene scene;
  const ObjRef a = scene.FreePoint(0, 0);
  const ObjRef b = scene.FreePoint(2, 0);
  scene.Line(a, b, 1);
  scene.Circle(b, a);
  scene.StartDeformation(a);

  DragTo(scene.app, 2, 1);

  EXPECT_EQ(scene.Find([](const Drawn& d) { return d.kind == Drawn::Kind::kClear; }), -1)
      << "a drag step never clears the window";
  struct Pair {
    const char* what;
    std::function<bool(const Drawn&)> erased;
    std::function<bool(const Drawn&)> drawn;
  };
  const double oldRadius = ToPixelLength(scene.app, 2);
  const double newRadius = ToPixelLength(scene.app, 1);
  const Pair pairs[] = {
      {"the moving point", PixelAt(scene.Px(0, 0), kGrey), PixelAt(scene.Px(2, 1), kBlackRgb)},
      {"its label", TextAt(scene.Px(0, 0), "A", kGrey), TextAt(scene.Px(2, 1), "A", kBlackRgb)},
      {"the segment", LineFrom(scene.Px(0, 0), scene.Px(2, 0), kGrey),
       LineFrom(scene.Px(2, 1), scene.Px(2, 0), kBlackRgb)},
      {"the circle", CircleAt(scene.Px(2, 0), oldRadius, kGrey), CircleAt(scene.Px(2, 0), newRadius, kBlackRgb)},
  };
  for (const Pair& pair : pairs) {
    SCOPED_TRACE(pair.what);
    const int erased = scene.Find(pair.erased);
    const int drawn = scene.Find(pair.drawn);
    EXPECT_NE(erased, -1);
    EXPECT_NE(drawn, -1);
    EXPECT_LT(erased, drawn);
  }
  EXPECT_EQ(CurrentMode(scene.app), kModeDeform);

  scene.surface.Forget();
  DragTo(scene.app, 3, 1);
  EXPECT_NE(scene.Find(TextAt(scene.Px(2, 1), "A", kGrey)), -1) << "the next step erases where this one drew";
}

TEST(DragTest, TheFirstStepMarksTheDependenciesAndLaterStepsReuseTheMarking) {
  DragScene scene;
  const ObjRef a = scene.FreePoint(0, 0);
  const ObjRef b = scene.FreePoint(2, 0);
  const ObjRef line = scene.Line(a, b, 1);
  scene.StartDeformation(a);
  Figure& fig = scene.app.fig;

  DragTo(scene.app, 1, 1);
  EXPECT_EQ(scene.app.FirstMove, kFalse);
  EXPECT_EQ(fig.PassCount, 1);
  // A later marking would reset this; the next step must leave it alone.
  fig.StepState[3] = kUnaffected;
  DragTo(scene.app, 1, 2);

  EXPECT_EQ(scene.Point(a).y, 2);
  EXPECT_EQ(fig.Lines[line.index].end1.y, 1) << "the step left out by the marking is not evaluated";
}

}  // namespace
}  // namespace zm
