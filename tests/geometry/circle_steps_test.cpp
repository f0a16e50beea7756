#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "geometry/step_fixture.h"

namespace zm {
namespace {

struct CircleWant {
  Vec2 centre;
  double radius;
};
constexpr std::nullopt_t kGone = std::nullopt;  // invalid, stale centre and radius kept

struct CircleCase {
  const char* what;
  const char* code;
  std::vector<ObjInput> inputs;
  std::optional<CircleWant> want;
};

const std::vector<CircleCase> kCircleCases = {
    {"centre and radius", "C1", {Pt(1, 2), Num(2.5)}, CircleWant{{1, 2}, 2.5}},
    {"radius 0", "C1", {Pt(1, 2), Num(0)}, CircleWant{{1, 2}, 0}},
    {"negative radius", "C1", {Pt(1, 2), Num(-1)}, kGone},
    {"radius left marked", "C1", {Pt(1, 2), WithCheck(Num(2.5), -3)}, CircleWant{{1, 2}, 2.5}},
    {"invalid radius", "C1", {Pt(1, 2), Invalid(Num(2.5))}, kGone},
    {"invalid centre", "C1", {Invalid(Pt(1, 2)), Num(2.5)}, kGone},
    {"centre and a point", "C2", {Pt(1, 1), Pt(4, 5)}, CircleWant{{1, 1}, 5}},
    {"centre and the same point", "C2", {Pt(1, 1), Pt(1, 1)}, CircleWant{{1, 1}, 0}},
    {"centre and a point too far to measure", "C2", {Pt(-1e200, 0), Pt(1e200, 0)}, kGone},
    {"circumcircle", "C3", {Pt(0, 0), Pt(6, 0), Pt(0, 4)}, CircleWant{{3, 2}, std::sqrt(13.0)}},
    {"circumcircle of collinear points", "C3", {Pt(0, 0), Pt(1, 0), Pt(2, 0)}, kGone},
    {"circle on a diameter", "C4", {Ln(0, 0, 4, 0)}, CircleWant{{2, 0}, 2}},
    {"circle on a slanted diameter", "C4", {Ln(1, 1, 4, 5)}, CircleWant{{2.5, 3}, 2.5}},
    {"circle on an invalid line", "C4", {Invalid(Ln(0, 0, 4, 0))}, kGone},
    {"incircle", "C5", {Pt(0, 0), Pt(4, 0), Pt(0, 3)}, CircleWant{{1, 1}, 1}},
    {"incircle with the first two points equal", "C5", {Pt(0, 0), Pt(0, 0), Pt(0, 3)}, kGone},
    {"excircle", "C6", {Pt(0, 0), Pt(4, 0), Pt(0, 3)}, CircleWant{{6, 6}, 6}},
    {"excircle with an invalid point", "C6", {Pt(0, 0), Pt(4, 0), Invalid(Pt(0, 3))}, kGone},
    {"nine-point circle", "C7", {Pt(0, 0), Pt(4, 0), Pt(0, 3)}, CircleWant{{1, 0.75}, 1.25}},
    {"nine-point circle of collinear points", "C7", {Pt(0, 0), Pt(1, 1), Pt(2, 2)}, kGone},
};

TEST(EvalCircleStep, ComputesTheOutputCircle) {
  for (const CircleCase& c : kCircleCases) {
    SCOPED_TRACE(std::string(c.code) + ": " + c.what);
    StepFigure f;
    const int step = f.Build(c.code, c.inputs, {kCircle});
    f.Eval(step);
    const CircleRec& out = f.OutCircle(step, 1);
    if (!c.want) {
      EXPECT_EQ(out.check, kInvalid);
      EXPECT_EQ(out.centre.x, kStale) << "an invalid circle keeps its last centre";
      EXPECT_EQ(out.radius, kStale) << "an invalid circle keeps its last radius";
      continue;
    }
    EXPECT_EQ(out.check, kValid);
    EXPECT_NEAR(out.centre.x, c.want->centre.x, 1e-9);
    EXPECT_NEAR(out.centre.y, c.want->centre.y, 1e-9);
    EXPECT_NEAR(out.radius, c.want->radius, 1e-9);
  }
}

// "CALC" reaches the circle evaluator by its first letter and must not touch the step's output.
TEST(EvalCircleStep, UnlistedCodesChangeNothing) {
  for (const char* code : {"C8", "CALC", "C"}) {
    SCOPED_TRACE(code);
    StepFigure f;
    const int step = f.Build(code, {Pt(1, 1), Pt(4, 5)}, {kCircle});
    f.Eval(step);
    const CircleRec& out = f.OutCircle(step, 1);
    EXPECT_EQ(out.check, kValid);
    EXPECT_EQ(out.centre.x, kStale);
    EXPECT_EQ(out.radius, kStale);
  }
}

TEST(EvalCircleStep, WritesOnlyCentreRadiusAndCheck) {
  StepFigure f;
  const int step = f.Build("C2", {Pt(1, 1), Pt(4, 5)}, {kCircle});
  CircleRec& out = f.OutCircle(step, 1);
  out.colour = 4;
  out.locusColour = 9;
  out.name.Assign("k");
  f.Eval(step);
  EXPECT_EQ(out.check, kValid);
  EXPECT_EQ(out.radius, 5);
  EXPECT_EQ(out.colour, 4);
  EXPECT_EQ(out.locusColour, 9);
  EXPECT_EQ(out.name.Trimmed(), "k");
}

}  // namespace
}  // namespace zm
