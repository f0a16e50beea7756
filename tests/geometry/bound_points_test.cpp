#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "cli/scripted_shell.h"
#include "figure/figure.h"
#include "geometry/bound_points.h"
#include "geometry/primitives.h"

namespace zm {
namespace {

using Log = std::vector<std::string>;

class BoundPointTest : public ::testing::Test {
 protected:
  void SetUp() override { NewFigure(fig, kStandardCapacity); }

  // A valid line of the given kind from (x1, y1) to (x2, y2); returns its index.
  int AddLine(double x1, double y1, double x2, double y2, std::int16_t kind) {
    const int i = ++fig.ObjCount[kLine];
    LineRec& l = fig.Lines[i];
    l.end1 = {x1, y1};
    l.end2 = {x2, y2};
    LineDirection(l);
    l.kind = kind;
    return i;
  }

  int AddCircle(double x, double y, double r) {
    const int i = ++fig.ObjCount[kCircle];
    fig.Circles[i].centre = {x, y};
    fig.Circles[i].radius = r;
    fig.Circles[i].check = kValid;
    return i;
  }

  // A valid free point at (x, y) bound to host `index` of binding kind `kind`.
  int AddBound(std::int16_t kind, int index, double parameter, double x = 0, double y = 0) {
    const int i = ++fig.ObjCount[kPoint];
    PointRec& p = fig.Points[i];
    p.x = x;
    p.y = y;
    p.check = kValid;
    p.independenceFlag = kTrue;
    p.bindingKind = kind;
    p.bindingIndex = static_cast<std::int16_t>(index);
    p.parameter = parameter;
    return i;
  }

  Figure fig;
  ScriptedShell shell;
};

constexpr std::int16_t kWholeLine = 0, kSegment = 1, kHalfLine = 2;

TEST_F(BoundPointTest, APointOnALineStaysWithinItsKindAndBeepsWhenStopped) {
  struct Case {
    const char* rule;
    std::int16_t kind;
    double parameter;
    double wantParameter;
    Vec2 want;
    bool beeps;
  };
  // The host runs from (1, 1) to (4, 5): length 5, direction (0.6, 0.8).
  const Case cases[] = {
      {"a segment stops a parameter beyond its length at end2", kSegment, 7, 5, {4, 5}, true},
      {"a segment stops a negative parameter at end1", kSegment, -2, 0, {1, 1}, true},
      {"a segment keeps a parameter within it", kSegment, 2.5, 2.5, {2.5, 3}, false},
      {"a segment keeps its length exactly", kSegment, 5, 5, {4, 5}, false},
      {"a half-line stops a negative parameter at its start", kHalfLine, -1, 0, {1, 1}, true},
      {"a half-line goes on beyond end2", kHalfLine, 10, 10, {7, 9}, false},
      {"a line takes a negative parameter against its direction", kWholeLine, -1, -1, {0.4, 0.2},
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rule);
    shell.ClearLog();
    const int line = AddLine(1, 1, 4, 5, c.kind);
    const int b = AddBound(2, line, c.parameter, 50, 50);
    PlaceBoundPoint(fig, shell, b);
    const PointRec& p = fig.Points[b];
    EXPECT_EQ(p.check, kValid);
    EXPECT_NEAR(p.x, c.want.x, 1e-12);
    EXPECT_NEAR(p.y, c.want.y, 1e-12);
    EXPECT_EQ(p.parameter, c.wantParameter) << "a clamped parameter is kept";
    EXPECT_EQ(shell.Log(), c.beeps ? Log{"beep"} : Log{});
  }
}

TEST_F(BoundPointTest, APointOnAnInvalidHostIsInvalidWhereItWas) {
  const int line = AddLine(0, 0, 1, 0, kWholeLine);
  const int circle = AddCircle(0, 0, 1);
  fig.Lines[line].check = kInvalid;
  fig.Circles[circle].check = kInvalid;
  for (int b : {AddBound(2, line, 3, 7, 8), AddBound(3, circle, 1, 7, 8)}) {
    SCOPED_TRACE(fig.Points[b].bindingKind == 2 ? "on a line" : "on a circle");
    PlaceBoundPoint(fig, shell, b);
    EXPECT_EQ(fig.Points[b].check, kInvalid);
    EXPECT_EQ(fig.Points[b].x, 7);
    EXPECT_EQ(fig.Points[b].y, 8);
    EXPECT_EQ(HostCheck(fig, fig.Points[b]), kInvalid);
  }
}

TEST_F(BoundPointTest, ASegmentWithoutLengthLeavesThePointInvalidInsteadOfNotANumber) {
  const int line = AddLine(2, 2, 3, 2, kSegment);
  fig.Lines[line].end2 = {2, 2};  // a hand-made file can store this with a valid check
  const int b = AddBound(2, line, 0, 7, 8);
  PlaceBoundPoint(fig, shell, b);
  EXPECT_EQ(fig.Points[b].check, kInvalid);
  EXPECT_EQ(fig.Points[b].x, 7);
  EXPECT_EQ(fig.Points[b].y, 8);
}

TEST_F(BoundPointTest, APointOnACircleWrapsItsParameterOnce) {
  struct Case {
    const char* rule;
    double radius;
    double parameter;
    double wantParameter;
  };
  const Case cases[] = {
      {"beyond the circumference: one turn back", 1, 8, 8 - kTwoPi},
      {"negative: one turn forward", 1, -1, kTwoPi - 1},
      {"within: unchanged", 2, 3, 3},
      {"the parameter is arc length, not an angle", 2, 13, 13 - 2 * kTwoPi},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rule);
    const int circle = AddCircle(1, -1, c.radius);
    const int b = AddBound(3, circle, c.parameter);
    PlaceBoundPoint(fig, shell, b);
    const PointRec& p = fig.Points[b];
    EXPECT_EQ(p.check, kValid);
    EXPECT_NEAR(p.parameter, c.wantParameter, 1e-12);
    const double a = c.wantParameter / c.radius;
    EXPECT_NEAR(p.x, 1 + c.radius * std::cos(a), 1e-12);
    EXPECT_NEAR(p.y, -1 + c.radius * std::sin(a), 1e-12);
  }
  EXPECT_TRUE(shell.Log().empty()) << "wrapping on a circle is silent";
}

TEST_F(BoundPointTest, APointOnACircleOfRadiusZeroIsInvalid) {
  const int b = AddBound(3, AddCircle(2, 2, 0), 1, 7, 8);
  PlaceBoundPoint(fig, shell, b);
  EXPECT_EQ(fig.Points[b].check, kInvalid);
  EXPECT_EQ(fig.Points[b].x, 7);
  EXPECT_EQ(fig.Points[b].parameter, 1);
}

TEST_F(BoundPointTest, APointOnAPointFollowsItAndKeepsItsOwnCheck) {
  const int host = ++fig.ObjCount[kPoint];
  fig.Points[host].x = 3;
  fig.Points[host].y = -4;
  fig.Points[host].check = kInvalid;
  const int b = AddBound(1, host, 0);
  fig.Points[b].check = -5;
  PlaceBoundPoint(fig, shell, b);
  EXPECT_EQ(fig.Points[b].x, 3);
  EXPECT_EQ(fig.Points[b].y, -4);
  EXPECT_EQ(fig.Points[b].check, -5);
  EXPECT_EQ(HostCheck(fig, fig.Points[b]), kInvalid) << "the host's own check is reported";
}

TEST_F(BoundPointTest, ABindingThatNamesNoObjectLeavesThePointAloneAndHasNoHost) {
  // Entry 0 of each table is where out-of-range indices land; make it look like a valid host,
  // so that a placement reaching it would show.
  fig.Points[0].x = 11;
  fig.Points[0].check = kValid;
  fig.Lines[0] = fig.Lines[AddLine(11, 11, 12, 11, kWholeLine)];
  fig.Circles[0] = fig.Circles[AddCircle(11, 11, 1)];
  for (std::int16_t kind : {1, 2, 3}) {
    for (int index : {0, -1, kStandardCapacity + 1, 32767, -32768}) {
      SCOPED_TRACE("binding kind " + std::to_string(kind) + ", index " + std::to_string(index));
      const int b = AddBound(kind, index, 1, 7, 8);
      PlaceBoundPoint(fig, shell, b);
      EXPECT_EQ(fig.Points[b].x, 7);
      EXPECT_EQ(fig.Points[b].y, 8);
      EXPECT_EQ(fig.Points[b].check, kValid);
      EXPECT_EQ(HostCheck(fig, fig.Points[b]), kInvalid);
      ParamFromPosition(fig, b);
      EXPECT_EQ(fig.Points[b].parameter, 1);
      fig.ObjCount[kPoint] = 0;
    }
  }
  EXPECT_TRUE(shell.Log().empty());
}

TEST_F(BoundPointTest, OtherBindingKindsChangeNothing) {
  const int line = AddLine(0, 0, 1, 0, kWholeLine);
  for (std::int16_t kind : {0, 4, -1}) {
    SCOPED_TRACE("binding kind " + std::to_string(kind));
    const int b = AddBound(kind, line, 1, 7, 8);
    PlaceBoundPoint(fig, shell, b);
    ParamFromPosition(fig, b);
    EXPECT_EQ(fig.Points[b].x, 7);
    EXPECT_EQ(fig.Points[b].parameter, 1);
    EXPECT_EQ(HostCheck(fig, fig.Points[b]), kInvalid);
  }
  PlaceBoundPoint(fig, shell, 0);
  PlaceBoundPoint(fig, shell, kStandardCapacity + 1);
  ParamFromPosition(fig, -3);
}

TEST_F(BoundPointTest, ParameterFromAPositionOnALineIsTheSignedDistanceFromEnd1) {
  const int line = AddLine(0, 0, 1, 0, kWholeLine);
  const int b = AddBound(2, line, 0, -3, 2);
  ParamFromPosition(fig, b);
  EXPECT_NEAR(fig.Points[b].parameter, -std::sqrt(13.0), 1e-12);
  fig.Points[b].check = -4;
  PlaceBoundPoint(fig, shell, b);
  EXPECT_NEAR(fig.Points[b].x, -std::sqrt(13.0), 1e-12);
  EXPECT_NEAR(fig.Points[b].y, 0, 1e-12);

  fig.Points[b].x = 3;
  fig.Points[b].y = 4;
  fig.Points[b].check = -4;
  ParamFromPosition(fig, b);
  EXPECT_NEAR(fig.Points[b].parameter, 5, 1e-12) << "ahead of end1 the distance is positive";
  EXPECT_EQ(fig.Points[b].check, -4) << "on a line the check is left alone";
}

TEST_F(BoundPointTest, ParameterFromAPositionOnACircleIsTheArcFromPlusX) {
  struct Case {
    const char* rule;
    Vec2 at;
    double wantParameter;
    std::int16_t wantCheck;
  };
  const Case cases[] = {
      {"straight down gives -pi/2 times the radius", {0, -2}, -kHalfPi * 2, kValid},
      {"up and left", {-1, 1}, 0.75 * kPi * 2, kValid},
      {"0.0099 from the centre has no direction: invalid, parameter kept", {0.0099, 0}, 0.25,
       kInvalid},
      {"0.0101 from the centre has a direction", {0, 0.0101}, kHalfPi * 2, kValid},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rule);
    const int b = AddBound(3, AddCircle(0, 0, 2), 0.25, c.at.x, c.at.y);
    ParamFromPosition(fig, b);
    EXPECT_NEAR(fig.Points[b].parameter, c.wantParameter, 1e-12);
    EXPECT_EQ(fig.Points[b].check, c.wantCheck);
  }
}

TEST_F(BoundPointTest, ADraggedPointBelowTheCentreEndsAtThreeQuartersOfATurn) {
  const int b = AddBound(3, AddCircle(0, 0, 1), 0, 0, -2);
  ParamFromPosition(fig, b);
  EXPECT_NEAR(fig.Points[b].parameter, -kHalfPi, 1e-12);
  PlaceBoundPoint(fig, shell, b);
  EXPECT_NEAR(fig.Points[b].parameter, 3 * kPi / 2, 1e-12);
  EXPECT_NEAR(fig.Points[b].x, 0, 1e-12);
  EXPECT_NEAR(fig.Points[b].y, -1, 1e-12);
}

TEST(DirAngle, GivesTheDirectionInZeroToTwoPiAndMinusHalfPiStraightDown) {
  struct Case {
    Vec2 v;
    double want;
  };
  const Case cases[] = {
      {{1, 0}, 0},          {{0, 3}, kHalfPi},   {{-2, 0}, kPi},
      {{0, -1}, -kHalfPi},  {{1, -1}, 1.75 * kPi}, {{-1, -1}, 1.25 * kPi},
      {{-1, 1}, 0.75 * kPi}, {{0.005, 0}, 0},   {{0, 0}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("(" + std::to_string(c.v.x) + ", " + std::to_string(c.v.y) + ")");
    const double a = DirAngle(c.v);
    EXPECT_NEAR(a, c.want, 1e-12);
    if (c.want >= 0) {
      EXPECT_GE(a, 0);
      EXPECT_LT(a, kTwoPi);
    }
  }
}

}  // namespace
}  // namespace zm
