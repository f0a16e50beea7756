#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "geometry/step_fixture.h"

namespace zm {
namespace {

constexpr double kSqrt3Half = 0.86602540378443865;
constexpr double kSqrtHalf = 0.70710678118654752;

struct LineWant {
  Vec2 end1, end2, direction;
};
constexpr std::nullopt_t kGone = std::nullopt;  // invalid, stale ends kept

void ExpectLine(const LineRec& l, const std::optional<LineWant>& want) {
  constexpr double kTol = 1e-9;
  if (!want) {
    EXPECT_EQ(l.check, kInvalid) << "the line should be invalid";
    EXPECT_EQ(l.end1.x, kStale) << "an invalid line keeps its last ends";
    EXPECT_EQ(l.end2.y, kStale + 1) << "an invalid line keeps its last ends";
    EXPECT_EQ(l.direction.y, 1) << "an invalid line keeps its last direction";
    return;
  }
  EXPECT_EQ(l.check, kValid);
  EXPECT_NEAR(l.end1.x, want->end1.x, kTol);
  EXPECT_NEAR(l.end1.y, want->end1.y, kTol);
  EXPECT_NEAR(l.end2.x, want->end2.x, kTol);
  EXPECT_NEAR(l.end2.y, want->end2.y, kTol);
  EXPECT_NEAR(l.direction.x, want->direction.x, kTol);
  EXPECT_NEAR(l.direction.y, want->direction.y, kTol);
}

// A line from `start` whose second end lies one unit along `d`.
LineWant From(Vec2 start, Vec2 d) { return {start, {start.x + d.x, start.y + d.y}, d}; }

struct LineCase {
  const char* what;
  const char* code;
  std::vector<ObjInput> inputs;
  std::vector<std::optional<LineWant>> want;  // one entry per output line
};

const std::vector<LineCase> kLineCases = {
    {"through two points", "L1", {Pt(0, 0), Pt(3, 4)}, {LineWant{{0, 0}, {3, 4}, {0.6, 0.8}}}},
    {"through points 0.005 apart", "L1", {Pt(1, 1), Pt(1.005, 1)}, {kGone}},
    {"through an invalid point", "L1", {Invalid(Pt(0, 0)), Pt(3, 4)}, {kGone}},
    {"parallel", "L2", {Ln(0, 0, 1, 1), Pt(2, 0)}, {From({2, 0}, {kSqrtHalf, kSqrtHalf})}},
    {"parallel to an invalid line", "L2", {Invalid(Ln(0, 0, 1, 1)), Pt(2, 0)}, {kGone}},
    {"perpendicular bisector", "L4", {Ln(0, 0, 4, 0)}, {LineWant{{2, 0}, {2, 0}, {0, 1}}}},
    {"perpendicular bisector of a slanted segment", "L4", {Ln(1, 1, 3, 3)},
     {LineWant{{2, 2}, {2, 2}, {-kSqrtHalf, kSqrtHalf}}}},
    {"perpendicular bisector of an invalid segment", "L4", {Invalid(Ln(1, 1, 1, 1))}, {kGone}},
    {"tangents from a point level with the centre", "L5", {Pt(0, 0), Circ(2, 0, 1)},
     {From({0, 0}, {-kSqrt3Half, 0.5}), From({0, 0}, {-kSqrt3Half, -0.5})}},
    {"tangents from a point inside", "L5", {Pt(2.5, 0), Circ(2, 0, 1)}, {kGone, kGone}},
    {"tangents from a point on the circle", "L5", {Pt(1, 0), Circ(2, 0, 1)},
     {From({1, 0}, {0, 1}), From({1, 0}, {0, -1})}},
    {"tangents from a point just inside the tolerance", "L5", {Pt(1.004, 0), Circ(2, 0, 1)},
     {From({1.004, 0}, {0, 1}), From({1.004, 0}, {0, -1})}},
    {"tangents from a point just beyond the tolerance", "L5", {Pt(1.006, 0), Circ(2, 0, 1)},
     {kGone, kGone}},
    {"tangents from a point far off", "L5", {Pt(1e200, 0), Circ(0, 0, 1)}, {kGone, kGone}},
    {"tangents to a circle left marked", "L5", {Pt(0, 0), WithCheck(Circ(2, 0, 1), 2)},
     {From({0, 0}, {-kSqrt3Half, 0.5}), From({0, 0}, {-kSqrt3Half, -0.5})}},
    {"tangents to an invalid circle", "L5", {Pt(0, 0), Invalid(Circ(2, 0, 1))}, {kGone, kGone}},
    {"external tangents", "L6", {Circ(0, 0, 1), Circ(4, 0, 1)},
     {From({0, 1}, {1, 0}), From({0, -1}, {1, 0})}},
    {"external tangents of unequal circles", "L6", {Circ(0, 0, 1), Circ(4, 0, 3)},
     {From({-0.5, kSqrt3Half}, {kSqrt3Half, 0.5}), From({-0.5, -kSqrt3Half}, {kSqrt3Half, -0.5})}},
    {"external tangents, one circle inside the other", "L6", {Circ(0, 0, 3), Circ(0.5, 0, 1)},
     {kGone, kGone}},
    {"external tangents of concentric circles", "L6", {Circ(0, 0, 1), Circ(0, 0, 2)}, {kGone, kGone}},
    {"internal tangents", "L7", {Circ(0, 0, 1), Circ(4, 0, 1)},
     {From({0.5, kSqrt3Half}, {kSqrt3Half, -0.5}), From({0.5, -kSqrt3Half}, {kSqrt3Half, 0.5})}},
    {"internal tangents of overlapping circles", "L7", {Circ(0, 0, 1), Circ(1, 0, 1)}, {kGone, kGone}},
    {"internal tangents of an invalid circle", "L7", {Invalid(Circ(0, 0, 1)), Circ(4, 0, 1)},
     {kGone, kGone}},
    {"polar", "L8", {Pt(2, 0), Circ(0, 0, 1)}, {From({0.5, 0}, {0, -1})}},
    {"polar of the centre", "L8", {Pt(0, 0), Circ(0, 0, 1)}, {kGone}},
    {"angle bisector", "LH1", {Pt(1, 0), Pt(0, 0), Pt(0, 1)},
     {LineWant{{0, 0}, {1 / (2 + std::sqrt(2.0)), 1 / (2 + std::sqrt(2.0))}, {kSqrtHalf, kSqrtHalf}}}},
    {"angle bisector of equal points", "LH1", {Pt(1, 1), Pt(1, 1), Pt(1, 1)}, {kGone}},
    {"first third of a right angle", "LH2", {Pt(1, 0), Pt(0, 0), Pt(0, 1), Num(3), Num(1)},
     {From({0, 0}, {kSqrt3Half, 0.5})}},
    {"second third of a right angle", "LH2", {Pt(1, 0), Pt(0, 0), Pt(0, 1), Num(3), Num(2)},
     {From({0, 0}, {0.5, kSqrt3Half})}},
    {"half of a clockwise angle", "LH2", {Pt(0, 1), Pt(0, 0), Pt(1, 0), Num(2), Num(1)},
     {From({0, 0}, {kSqrtHalf, kSqrtHalf})}},
    {"all parts run along the second arm", "LH2", {Pt(3, 1), Pt(1, 1), Pt(1, 4), Num(1), Num(1)},
     {LineWant{{1, 1}, {1, 3}, {0, 1}}}},
    {"zero parts", "LH2", {Pt(1, 0), Pt(0, 0), Pt(0, 1), Num(0), Num(1)}, {kGone}},
    {"an arm point on the vertex", "LH2", {Pt(0, 0), Pt(0, 0), Pt(0, 1), Num(2), Num(1)}, {kGone}},
    {"an invalid part number", "LH2", {Pt(1, 0), Pt(0, 0), Pt(0, 1), Num(3), Invalid(Num(1))},
     {kGone}},
};

TEST(EvalLineStep, ComputesOutputLines) {
  for (const LineCase& c : kLineCases) {
    SCOPED_TRACE(std::string(c.code) + ": " + c.what);
    StepFigure f;
    const int step = f.Build(c.code, c.inputs, {kLine, kLine});
    f.Eval(step);
    for (std::size_t i = 0; i < c.want.size(); ++i) {
      SCOPED_TRACE("output " + std::to_string(i + 1));
      ExpectLine(f.OutLine(step, static_cast<int>(i + 1)), c.want[i]);
    }
    EXPECT_TRUE(f.shell.Log().empty());
  }
}

struct FootCase {
  const char* what;
  std::vector<ObjInput> inputs;
  std::optional<LineWant> line;
  std::optional<Vec2> foot;
};

const std::vector<FootCase> kFootCases = {
    {"point off the line", {Ln(0, 0, 1, 0), Pt(2, 3)}, LineWant{{2, 3}, {2, 0}, {0, 1}}, Vec2{2, 0}},
    {"point on the line", {Ln(0, 0, 1, 1), Pt(2, 2)},
     LineWant{{2, 2}, {2, 2}, {-kSqrtHalf, kSqrtHalf}}, Vec2{2, 2}},
    {"invalid point", {Ln(0, 0, 1, 0), Invalid(Pt(2, 3))}, kGone, kGone},
};

TEST(EvalLineStep, PerpendicularGivesLineAndFoot) {
  for (const FootCase& c : kFootCases) {
    SCOPED_TRACE(c.what);
    StepFigure f;
    const int step = f.Build("L3", c.inputs, {kLine, kPoint});
    f.Eval(step);
    ExpectLine(f.OutLine(step, 1), c.line);
    ExpectPoint(f.OutPoint(step, 2), c.foot);
  }
}

// Steps built by the construction flow give the perpendicular one output: the foot has nowhere
// to go and must not land in the unused entry 0 of the point table.
TEST(EvalLineStep, PerpendicularWithoutFootSlotLeavesEntryZeroAlone) {
  StepFigure f;
  const int step = f.Build("L3", {Ln(0, 0, 1, 0), Pt(2, 3)}, {kLine});
  f.Eval(step);
  ExpectLine(f.OutLine(step, 1), LineWant{{2, 3}, {2, 0}, {0, 1}});
  EXPECT_EQ(f.fig.Points[0].check, kInvalid);
  EXPECT_EQ(f.fig.Points[0].x, 0);
  EXPECT_EQ(f.fig.Points[0].y, 0);
}

// Tangents from a point in general positions, checked by their geometry: each line starts at the
// point, keeps the radius as its distance from the centre, runs away from the circle, and the
// first touches on the right of the way from the point to the centre, the second on the left.
struct TangentCase {
  Vec2 from;
  Vec2 centre;
  double radius;
};

const std::vector<TangentCase> kTangentCases = {
    {{0, 0}, {3, 4}, 1},
    {{1, 2}, {-3, 5}, 2},
    {{-2, -1}, {4, -3}, 0.5},
    {{0, 0}, {-2, -2}, 1},
    {{5, 5}, {5, 0}, 3},
};

double Cross(Vec2 u, Vec2 v) { return u.x * v.y - u.y * v.x; }
double Dot(Vec2 u, Vec2 v) { return u.x * v.x + u.y * v.y; }

TEST(EvalLineStep, TangentsFromAPointTouchTheCircleInGeneralPositions) {
  for (const TangentCase& c : kTangentCases) {
    SCOPED_TRACE("from (" + std::to_string(c.from.x) + ", " + std::to_string(c.from.y) +
                 ") to the circle at (" + std::to_string(c.centre.x) + ", " +
                 std::to_string(c.centre.y) + ")");
    StepFigure f;
    const int step = f.Build(
        "L5", {Pt(c.from.x, c.from.y), Circ(c.centre.x, c.centre.y, c.radius)}, {kLine, kLine});
    f.Eval(step);
    const Vec2 toCentre{c.centre.x - c.from.x, c.centre.y - c.from.y};
    for (int slot : {1, 2}) {
      SCOPED_TRACE("output " + std::to_string(slot));
      const LineRec& l = f.OutLine(step, slot);
      ASSERT_EQ(l.check, kValid);
      const Vec2 d = l.direction;
      EXPECT_NEAR(std::hypot(d.x, d.y), 1, 1e-12);
      EXPECT_NEAR(l.end1.x, c.from.x, 1e-12);
      EXPECT_NEAR(l.end1.y, c.from.y, 1e-12);
      EXPECT_NEAR(l.end2.x, c.from.x + d.x, 1e-12);
      EXPECT_NEAR(l.end2.y, c.from.y + d.y, 1e-12);
      EXPECT_NEAR(std::abs(Cross(d, toCentre)), c.radius, 1e-9) << "the line must touch the circle";
      EXPECT_LT(Dot(d, toCentre), 0) << "the direction must point away from the circle";
      const double along = Dot(d, toCentre);
      const Vec2 touch{along * d.x, along * d.y};  // relative to the point
      const double side = Cross(toCentre, touch);
      if (slot == 1) {
        EXPECT_LT(side, 0) << "the first tangent touches on the right";
      } else {
        EXPECT_GT(side, 0) << "the second tangent touches on the left";
      }
    }
  }
}

TEST(EvalLineStep, UnlistedCodesChangeNothing) {
  for (const char* code : {"LRGN", "LPGN", "LPG+", "LH2+", "L9", "LH"}) {
    SCOPED_TRACE(code);
    StepFigure f;
    const int step = f.Build(code, {Pt(0, 0), Pt(3, 4)}, {kLine});
    f.Eval(step);
    const LineRec& out = f.OutLine(step, 1);
    EXPECT_EQ(out.check, kValid);
    EXPECT_EQ(out.end1.x, kStale);
    EXPECT_EQ(out.end2.y, kStale + 1);
  }
}

// A line output changes only in its ends, direction and check; its kind decides how it is drawn
// and stays as the construction set it.
TEST(EvalLineStep, WritesOnlyEndsDirectionAndCheck) {
  StepFigure f;
  const int step = f.Build("L1", {Pt(0, 0), Pt(3, 4)}, {kLine});
  LineRec& out = f.OutLine(step, 1);
  out.kind = 1;
  out.colour = 4;
  out.locusColour = 9;
  out.name.Assign("AB");
  f.Eval(step);
  ExpectLine(out, LineWant{{0, 0}, {3, 4}, {0.6, 0.8}});
  EXPECT_EQ(out.kind, 1);
  EXPECT_EQ(out.colour, 4);
  EXPECT_EQ(out.locusColour, 9);
  EXPECT_EQ(out.name.Trimmed(), "AB");
}

}  // namespace
}  // namespace zm
