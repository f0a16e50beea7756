#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "geometry/evaluators.h"
#include "geometry/primitives.h"
#include "geometry/step_fixture.h"

namespace zm {
namespace {

constexpr std::nullopt_t kGone = std::nullopt;  // invalid, stale value kept

struct NumberCase {
  const char* what;
  const char* code;
  std::vector<ObjInput> inputs;
  std::optional<double> want;
  double tol = 1e-9;
};

// A line through (x, y) at `degrees` to the x axis, of length 1.
ObjInput LnAt(double x, double y, double degrees) {
  const double t = degrees * kPi / 180;
  return Ln(x, y, x + std::cos(t), y + std::sin(t));
}

const std::vector<NumberCase> kNumberCases = {
    // Distances.
    {"two points", "ND2P", {Pt(0, 0), Pt(3, 4)}, 5},
    {"two points, one invalid", "ND2P", {Pt(0, 0), Invalid(Pt(3, 4))}, kGone},
    {"parallel lines", "ND2L", {Ln(0, 0, 1, 0), Ln(5, 2, 6, 2)}, 2},
    {"lines directed opposite ways are not parallel", "ND2L", {Ln(0, 0, 1, 0), Ln(1, 2, 0, 2)}, 0},
    {"crossing lines measure 0", "ND2L", {Ln(0, 0, 1, 0), Ln(0, 0, 1, 1)}, 0},
    {"directions 0.0099 apart in y are within 0.01: parallel", "ND2L",
     {Ln(0, 0, 1, 0), Ln(0, 2, std::sqrt(1 - 0.0099 * 0.0099), 2.0099)}, 2, 1e-6},
    {"directions 0.0101 apart in y are not parallel", "ND2L",
     {Ln(0, 0, 1, 0), Ln(0, 2, std::sqrt(1 - 0.0101 * 0.0101), 2.0101)}, 0},
    {"lines, one invalid", "ND2L", {Invalid(Ln(0, 0, 1, 0)), Ln(0, 2, 1, 2)}, kGone},
    {"circles apart", "ND2C", {Circ(0, 0, 1), Circ(5, 0, 1)}, 3},
    {"overlapping circles measure 0", "ND2C", {Circ(0, 0, 1), Circ(1, 0, 1)}, 0},
    {"circles, one invalid", "ND2C", {Circ(0, 0, 1), Invalid(Circ(5, 0, 1))}, kGone},
    {"line and circle apart", "NDLC", {Ln(-1, 0, 1, 0), Circ(0, 3, 1)}, 2},
    {"a line that cuts the circle is negative", "NDLC", {Ln(-1, 0, 1, 0), Circ(0, 3, 5)}, -2},
    {"line and circle, the line invalid", "NDLC", {Invalid(Ln(-1, 0, 1, 0)), Circ(0, 3, 1)}, kGone},
    {"the centre is a radius from its circle", "NDPC", {Pt(0, 0), Circ(0, 0, 2)}, 2},
    {"a point outside a circle", "NDPC", {Pt(0, 5), Circ(0, 0, 2)}, 3},
    {"point and line", "NDPL", {Pt(2, 5), Ln(0, 1, 1, 1)}, 4},
    {"point and line, the line invalid", "NDPL", {Pt(2, 5), Invalid(Ln(0, 1, 1, 1))}, kGone},
    // Angles of three points.
    {"a counterclockwise turn is positive", "NA3+", {Pt(1, 0), Pt(0, 0), Pt(0, 1)}, 90},
    {"a clockwise turn is negative", "NA3+", {Pt(0, 1), Pt(0, 0), Pt(1, 0)}, -90},
    {"a straight angle is 180", "NA3+", {Pt(-1, 0), Pt(0, 0), Pt(1, 0)}, 180},
    {"the size of a clockwise turn", "NA3P", {Pt(0, 1), Pt(0, 0), Pt(1, 0)}, 90},
    {"NA3M is the size too", "NA3M", {Pt(0, 1), Pt(0, 0), Pt(1, 0)}, 90},
    {"the size of a straight angle", "NA3P", {Pt(-1, 0), Pt(0, 0), Pt(1, 0)}, 180},
    {"a clockwise turn in 0 ... 360", "NA3*", {Pt(0, 1), Pt(0, 0), Pt(1, 0)}, 270},
    {"a zero angle is 0, never 360", "NA3*", {Pt(2, 0), Pt(0, 0), Pt(1, 0)}, 0},
    {"an arm point on the vertex gives 0", "NA3*", {Pt(0, 0), Pt(0, 0), Pt(1, 0)}, 0},
    {"an angle with an invalid vertex", "NA3P", {Pt(1, 0), Invalid(Pt(0, 0)), Pt(0, 1)}, kGone},
    {"lines crossing at 120 degrees make 60", "NA2L", {LnAt(0, 0, 0), LnAt(3, 1, 120)}, 60},
    {"lines crossing at 30 degrees", "NA2L", {LnAt(0, 0, 0), LnAt(3, 1, 30)}, 30},
    {"perpendicular lines", "NA2L", {LnAt(0, 0, 10), LnAt(3, 1, 100)}, 90},
    {"parallel lines make 0", "NA2L", {Ln(0, 0, 1, 0), Ln(0, 2, 1, 2)}, 0},
    {"opposite lines make 0", "NA2L", {Ln(0, 0, 1, 0), Ln(1, 2, 0, 2)}, 0},
    {"lines, one invalid", "NA2L", {Ln(0, 0, 1, 0), Invalid(Ln(0, 2, 1, 2))}, kGone},
    // Areas.
    {"area from two sides and the angle", "NAR3", {Pt(0, 0), Pt(4, 0), Pt(0, 3)}, 6},
    {"that area is never negative", "NAR3", {Pt(0, 0), Pt(0, 3), Pt(4, 0)}, 6},
    {"area, one point invalid", "NAR3", {Pt(0, 0), Pt(4, 0), Invalid(Pt(0, 3))}, kGone},
    {"a counterclockwise triangle is positive", "NAR+", {Pt(0, 0), Pt(4, 0), Pt(0, 3)}, 6},
    {"a clockwise triangle is negative", "NAR+", {Pt(0, 0), Pt(0, 3), Pt(4, 0)}, -6},
    {"collinear points have no area", "NAR+", {Pt(0, 0), Pt(1, 1), Pt(3, 3)}, 0},
    {"a signed area that overflows is not measured", "NAR+",
     {Pt(-1e308, -1e308), Pt(1e308, -1e308), Pt(0, 1e308)}, kGone},
    {"signed area, one point invalid", "NAR+", {Invalid(Pt(0, 0)), Pt(4, 0), Pt(0, 3)}, kGone},
    // Lengths of a circle.
    {"circumference", "NLC", {Circ(3, 3, 1)}, 6.28318530717958, 0},
    {"a circumference that overflows is not measured", "NLC", {Circ(0, 0, 1e308)}, kGone},
    {"radius", "NRC", {Circ(3, 3, 1.5)}, 1.5},
    {"radius of an invalid circle", "NRC", {Invalid(Circ(3, 3, 1.5))}, kGone},
    // Functions of a number in degrees.
    {"sine", "NSIN", {Num(30)}, 0.5},
    {"cosine", "NCOS", {Num(60)}, 0.5},
    {"sine of an invalid number", "NSIN", {Invalid(Num(30))}, kGone},
    {"tangent", "NTAN", {Num(45)}, 1},
    {"tangent at 88.5 (rounded to 88)", "NTAN", {Num(88.5)}, std::tan(88 * kPi / 180), 1e-6},
    {"tangent at 30.4 (rounded to 30)", "NTAN", {Num(30.4)}, std::tan(30 * kPi / 180), 1e-12},
    {"tangent at 91", "NTAN", {Num(91)}, std::tan(91 * kPi / 180), 1e-6},
    {"tangent of an invalid number keeps its value", "NTAN", {Invalid(Num(45))}, kGone},
};

TEST(NumberSteps, Measurements) {
  for (const NumberCase& c : kNumberCases) {
    SCOPED_TRACE(std::string(c.code) + ": " + c.what);
    StepFigure f;
    const int step = f.Build(c.code, c.inputs, {kNumber});
    f.Eval(step);
    const NumberRec& n = f.OutNumber(step, 1);
    if (!c.want) {
      EXPECT_EQ(n.check, kInvalid);
      EXPECT_EQ(n.value, kStale) << "an invalid measure keeps its last value";
      continue;
    }
    EXPECT_EQ(n.check, kValid);
    EXPECT_NEAR(n.value, *c.want, c.tol);
    EXPECT_TRUE(f.shell.Log().empty());
  }
}

TEST(NumberSteps, TheTangentIsNotMeasuredWithinHalfADegreeOfAMultipleOfNinety) {
  struct Case {
    const char* rule;
    double degrees;
  };
  const Case cases[] = {
      {"0.4 rounds to 0", 0.4},
      {"90 itself", 90},
      {"180.3 rounds to 180", 180.3},
      {"89.5 rounds to the even 90", 89.5},
      {"90.5 rounds to the even 90", 90.5},
      {"-90", -90},
      {"-0.5 rounds to 0", -0.5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rule);
    StepFigure f;
    const int step = f.Build("NTAN", {Num(c.degrees)}, {kNumber});
    f.Eval(step);
    EXPECT_EQ(f.OutNumber(step, 1).check, kInvalid);
    EXPECT_EQ(f.OutNumber(step, 1).value, 0) << "the value is set to 0";
  }
}

TEST(NumberSteps, ATangentIsMeasuredAgainOnceItsInputHasPassedNinety) {
  StepFigure f;
  const int step = f.Build("NTAN", {Num(90)}, {kNumber});
  f.Eval(step);
  EXPECT_EQ(f.OutNumber(step, 1).check, kInvalid);
  f.fig.Numbers[f.fig.StepIn[step][1].index].value = 91;
  f.Eval(step);
  EXPECT_EQ(f.OutNumber(step, 1).check, kValid);
  EXPECT_NEAR(f.OutNumber(step, 1).value, std::tan(91 * kPi / 180), 1e-9);
}

TEST(NumberSteps, AnAngleNoTurnReproducesIsReportedAndKeptNegated) {
  // Far from the origin the unit step along x rounds back onto the vertex.
  const double x0 = std::ldexp(1.0, 55);
  struct Case {
    const char* code;
    double want;
  };
  for (const Case& c : {Case{"NA3+", -90}, Case{"NA3P", 90}, Case{"NA3*", 270}}) {
    SCOPED_TRACE(c.code);
    StepFigure f;
    const int step = f.Build(c.code, {Pt(x0 + 16, 0), Pt(x0, 0), Pt(x0, 16)}, {kNumber});
    f.Eval(step);
    EXPECT_EQ(f.shell.Log(), std::vector<std::string>{"message: Error in Angle"});
    EXPECT_EQ(f.OutNumber(step, 1).check, kValid);
    EXPECT_DOUBLE_EQ(f.OutNumber(step, 1).value, c.want);
  }
}

TEST(NumberSteps, AMeasureChangesOnlyTheValueAndCheckOfItsOutput) {
  StepFigure f;
  const int step = f.Build("ND2P", {Pt(0, 0), Pt(3, 4)}, {kNumber});
  NumberRec& out = f.OutNumber(step, 1);
  out.name.Assign("距離(AB)");
  out.formula.Assign("AB");
  out.independenceFlag = 7;
  f.Eval(step);
  EXPECT_EQ(out.value, 5);
  EXPECT_EQ(out.name.Trimmed(), "距離(AB)");
  EXPECT_EQ(out.formula.Trimmed(), "AB");
  EXPECT_EQ(out.independenceFlag, 7);
}

TEST(NumberSteps, CodesWithoutAMeasureChangeNothing) {
  for (const char* code : {"N", "NXYZ", "ND2", "nd2p", " ND2"}) {
    SCOPED_TRACE(code);
    StepFigure f;
    const int step = f.Build(code, {Pt(0, 0), Pt(3, 4)}, {kNumber});
    EvalNumberStep(f.fig, f.shell, step);
    EXPECT_EQ(f.OutNumber(step, 1).check, kValid);
    EXPECT_EQ(f.OutNumber(step, 1).value, kStale);
  }
}

TEST(NumberSteps, SlotsThatNameNoEntryNeverReachOutsideTheTables) {
  StepFigure f;
  // Entry 0 is where out-of-range indices land: a valid point there must not be measured.
  f.fig.Points[0].check = kValid;
  f.fig.Points[0].x = 3;
  f.fig.Points[0].y = 4;
  const ObjRef a = f.Add(Pt(0, 0));
  const ObjRef out = f.AddOutput(kNumber);
  for (std::int16_t index : {std::int16_t{0}, std::int16_t{31}, std::int16_t{-2}}) {
    SCOPED_TRACE("input index " + std::to_string(index));
    const int step = f.AddStep("ND2P", {a, ObjRef{kPoint, index}}, {out});
    f.Eval(step);
    EXPECT_EQ(f.fig.Numbers[out.index].check, kInvalid);
    EXPECT_EQ(f.fig.Numbers[out.index].value, kStale);
  }
  for (std::int16_t index : {std::int16_t{0}, std::int16_t{31}, std::int16_t{32767}}) {
    SCOPED_TRACE("output index " + std::to_string(index));
    const int step = f.AddStep("ND2P", {a, a}, {ObjRef{kNumber, index}});
    f.Eval(step);
    EXPECT_EQ(f.fig.Numbers[0].check, kInvalid) << "entry 0 of the numbers is never written";
    EXPECT_EQ(f.fig.Numbers[0].value, 0);
  }
}

}  // namespace
}  // namespace zm
