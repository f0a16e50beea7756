#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "geometry/step_fixture.h"
#include "geometry/step_io.h"

namespace zm {
namespace {

constexpr double kSqrt3Half = 0.86602540378443865;
constexpr std::nullopt_t kGone = std::nullopt;  // invalid, stale place kept

struct PointCase {
  const char* what;
  const char* code;
  std::vector<ObjInput> inputs;
  std::optional<Vec2> want;
  double tol = 1e-9;
};

const std::vector<PointCase> kPointCases = {
    // Triangle centres.
    {"circumcentre", "P1", {Pt(0, 0), Pt(6, 0), Pt(0, 4)}, Vec2{3, 2}},
    {"circumcentre of collinear points", "P1", {Pt(0, 0), Pt(1, 0), Pt(2, 0)}, kGone},
    {"incentre", "P2", {Pt(0, 0), Pt(4, 0), Pt(0, 3)}, Vec2{1, 1}},
    {"centroid", "P3", {Pt(0, 0), Pt(6, 0), Pt(0, 3)}, Vec2{2, 1}},
    {"centroid of points left marked", "P3", {WithCheck(Pt(0, 0), 2), WithCheck(Pt(6, 0), -7), Pt(0, 3)},
     Vec2{2, 1}},
    {"centroid with an invalid point", "P3", {Pt(0, 0), Invalid(Pt(6, 0)), Pt(0, 3)}, kGone},
    {"orthocentre at the right angle", "P4", {Pt(0, 0), Pt(6, 0), Pt(0, 3)}, Vec2{0, 0}},
    {"orthocentre of an acute triangle", "P4", {Pt(0, 0), Pt(4, 0), Pt(1, 3)}, Vec2{1, 1}},
    {"orthocentre with an invalid first point", "P4", {Invalid(Pt(0, 0)), Pt(4, 0), Pt(1, 3)}, kGone},
    {"orthocentre with a side shorter than 0.01", "P4", {Pt(0, 0), Pt(0.005, 0), Pt(1, 3)}, kGone},
    {"orthocentre of collinear points", "P4", {Pt(0, 0), Pt(1, 1), Pt(3, 3)}, kGone},
    {"excentre opposite the first point", "P5", {Pt(0, 0), Pt(4, 0), Pt(0, 3)}, Vec2{6, 6}},
    {"nine-point centre", "P6", {Pt(0, 0), Pt(4, 0), Pt(0, 3)}, Vec2{1, 0.75}},
    // Crossing of two lines.
    {"lines crossing", "PC1", {Ln(0, 0, 1, 0), Ln(2, -1, 2, 1)}, Vec2{2, 0}},
    {"parallel lines", "PC1", {Ln(0, 0, 1, 0), Ln(0, 1, 1, 1)}, kGone},
    {"crossing with an invalid line", "PC1", {Ln(0, 0, 1, 0), Invalid(Ln(2, -1, 2, 1))}, kGone},
    // Division, extension, transformations.
    {"division 1 : 1 is the midpoint", "PN", {Pt(0, 0), Pt(4, 2), Num(1), Num(1)}, Vec2{2, 1}},
    {"division 2 : -1 is external", "PN", {Pt(0, 0), Pt(4, 2), Num(2), Num(-1)}, Vec2{8, 4}},
    {"division 1 : -1 has no point", "PN", {Pt(0, 0), Pt(4, 2), Num(1), Num(-1)}, kGone},
    {"division with an invalid ratio", "PN", {Pt(0, 0), Pt(4, 2), Num(1), Invalid(Num(1))}, kGone},
    {"division overflowing", "PN", {Pt(1, 0), Pt(2, 0), Num(1e308), Num(1e308)}, kGone},
    {"extension by 0 is the second point", "PEXT", {Pt(1, 1), Pt(3, 2), Num(0)}, Vec2{3, 2}},
    {"extension by -1 is the first point", "PEXT", {Pt(1, 1), Pt(3, 2), Num(-1)}, Vec2{1, 1}},
    {"extension by 2", "PEXT", {Pt(1, 1), Pt(3, 2), Num(2)}, Vec2{7, 4}},
    {"rotation by 90 about the origin", "PT1", {Pt(1, 0), Pt(0, 0), Num(90)}, Vec2{0, 1}},
    {"rotation by -90 about another point", "PT1", {Pt(3, 1), Pt(1, 1), Num(-90)}, Vec2{1, -1}},
    {"reflection in the x axis", "PT2", {Pt(1, 1), Ln(0, 0, 1, 0)}, Vec2{1, -1}},
    {"reflection in a slanted line", "PT2", {Pt(0, 2), Ln(0, 0, 1, 1)}, Vec2{2, 0}},
    {"reflection in an invalid line", "PT2", {Pt(0, 2), Invalid(Ln(0, 0, 1, 1))}, kGone},
    {"point reflection", "PT3", {Pt(1, 2), Pt(3, 3)}, Vec2{5, 4}},
    {"inversion in the unit circle", "PT4", {Pt(2, 0), Circ(0, 0, 1)}, Vec2{0.5, 0}},
    {"inversion off the axes", "PT4", {Pt(1, 1), Circ(1, 0, 2)}, Vec2{1, 4}},
    {"inversion of a point on the circle", "PT4", {Pt(3, 0), Circ(1, 0, 2)}, Vec2{3, 0}},
    {"inversion of the centre", "PT4", {Pt(1, 0), Circ(1, 0, 2)}, kGone},
    {"inversion in an invalid circle", "PT4", {Pt(2, 0), Invalid(Circ(0, 0, 1))}, kGone},
    // Points as complex numbers.
    {"sum", "PO+", {Pt(1, 2), Pt(3, -1)}, Vec2{4, 1}},
    {"sum with an invalid point", "PO+", {Pt(1, 2), Invalid(Pt(3, -1))}, kGone},
    {"difference", "PO-", {Pt(1, 2), Pt(3, -1)}, Vec2{-2, 3}},
    {"i times i", "PO*", {Pt(0, 1), Pt(0, 1)}, Vec2{-1, 0}},
    {"product", "PO*", {Pt(1, 2), Pt(3, 4)}, Vec2{-5, 10}},
    {"product overflowing", "PO*", {Pt(1e200, 0), Pt(1e200, 0)}, kGone},
    {"quotient", "PO/", {Pt(-5, 10), Pt(3, 4)}, Vec2{1, 2}},
    {"quotient by a divisor below 0.01", "PO/", {Pt(1, 0), Pt(0, 0.005)}, kGone},
    {"quotient by a divisor of 0.01", "PO/", {Pt(1, 0), Pt(0.01, 0)}, Vec2{100, 0}},
    {"reciprocal", "PO-1", {Pt(0, 2)}, Vec2{0, -0.5}},
    {"reciprocal of a point near 0", "PO-1", {Pt(0.005, -0.005)}, kGone},
    {"square root just below the negative axis", "PO^", {Pt(-1, -0.000001), Num(0.5)}, Vec2{0, 1}, 1e-6},
    {"square root just above the negative axis", "PO^", {Pt(-1, 0.000001), Num(0.5)}, Vec2{0, 1}, 1e-6},
    {"square of 2i", "PO^", {Pt(0, 2), Num(2)}, Vec2{-4, 0}},
    {"-i to the first power", "PO^", {Pt(0, -1), Num(1)}, Vec2{0, -1}},
    {"inverse power", "PO^", {Pt(2, 0), Num(-1)}, Vec2{0.5, 0}},
    {"power of 0", "PO^", {Pt(0, 0), Num(2)}, Vec2{0, 0}},
    {"negative power of 0", "PO^", {Pt(0, 0), Num(-1)}, kGone},
    {"power overflowing", "PO^", {Pt(10, 0), Num(400)}, kGone},
    {"power with an invalid exponent", "PO^", {Pt(0, 2), Invalid(Num(2))}, kGone},
    {"point from coordinates", "PXY", {Num(3), Num(-2)}, Vec2{3, -2}},
    {"point from numbers left marked", "PXY", {WithCheck(Num(3), 2), WithCheck(Num(-2), -4)}, Vec2{3, -2}},
    {"point from an invalid coordinate", "PXY", {Num(3), Invalid(Num(-2))}, kGone},
};

TEST(EvalPointStep, ComputesOneOutputPoint) {
  for (const PointCase& c : kPointCases) {
    SCOPED_TRACE(std::string(c.code) + ": " + c.what);
    StepFigure f;
    const int step = f.Build(c.code, c.inputs, {kPoint});
    f.Eval(step);
    ExpectPoint(f.OutPoint(step, 1), c.want, c.tol);
    EXPECT_TRUE(f.shell.Log().empty());
  }
}

// The two crossings of "PC2" and "PC3" keep their order through the step's SwapFlag.
struct CrossingCase {
  const char* what;
  const char* code;
  std::vector<ObjInput> inputs;
  std::int16_t flagBefore;
  std::optional<Vec2> recorded1, recorded2;  // the outputs as last drawn, when set
  std::optional<Vec2> want1, want2;
  std::int16_t flagAfter;
};

const std::vector<CrossingCase> kCrossingCases = {
    {"circles, left solution first", "PC3", {Circ(0, 0, 1), Circ(1, 0, 1)}, 0, {}, {},
     Vec2{0.5, kSqrt3Half}, Vec2{0.5, -kSqrt3Half}, 0},
    {"circles with the flag set", "PC3", {Circ(0, 0, 1), Circ(1, 0, 1)}, -1, {}, {},
     Vec2{0.5, -kSqrt3Half}, Vec2{0.5, kSqrt3Half}, -1},
    {"circles whose natural order turned over", "PC3", {Circ(0, 0, 1), Circ(1, 0, 1)}, 0,
     Vec2{0.5, -kSqrt3Half}, Vec2{0.5, kSqrt3Half}, Vec2{0.5, -kSqrt3Half}, Vec2{0.5, kSqrt3Half}, -1},
    {"touching circles", "PC3", {Circ(0, 0, 1), Circ(2, 0, 1)}, 0, {}, {}, Vec2{1, 0}, Vec2{1, 0}, 0},
    {"circles apart", "PC3", {Circ(0, 0, 1), Circ(3, 0, 1)}, -1, {}, {}, kGone, kGone, -1},
    {"concentric circles", "PC3", {Circ(0, 0, 1), Circ(0, 0, 2)}, 0, {}, {}, kGone, kGone, 0},
    {"an invalid circle", "PC3", {Circ(0, 0, 1), Invalid(Circ(1, 0, 1))}, 0, {}, {}, kGone, kGone, 0},
    {"line, farther solution first", "PC2", {Ln(-2, 0, 2, 0), Circ(0, 0, 1)}, 0, {}, {},
     Vec2{1, 0}, Vec2{-1, 0}, 0},
    {"line with the flag set", "PC2", {Ln(-2, 0, 2, 0), Circ(0, 0, 1)}, -1, {}, {},
     Vec2{-1, 0}, Vec2{1, 0}, -1},
    {"line whose natural order turned over", "PC2", {Ln(2, 0, -2, 0), Circ(0, 0, 1)}, 0,
     Vec2{1, 0}, Vec2{-1, 0}, Vec2{1, 0}, Vec2{-1, 0}, -1},
    {"tangent line", "PC2", {Ln(-2, 1, 2, 1), Circ(0, 0, 1)}, 0, {}, {}, Vec2{0, 1}, Vec2{0, 1}, 0},
    {"line missing the circle", "PC2", {Ln(-2, 2, 2, 2), Circ(0, 0, 1)}, -1, {}, {}, kGone, kGone, -1},
};

TEST(EvalPointStep, KeepsTheOrderOfTwoCrossings) {
  for (const CrossingCase& c : kCrossingCases) {
    SCOPED_TRACE(std::string(c.code) + ": " + c.what);
    StepFigure f;
    const int step = f.Build(c.code, c.inputs, {kPoint, kPoint});
    f.fig.SwapFlag[step] = c.flagBefore;
    if (c.recorded1) {
      f.fig.SnapshotPoints[f.Out(step, 1).index] = PointAt(*c.recorded1, kValid);
      f.fig.SnapshotPoints[f.Out(step, 2).index] = PointAt(*c.recorded2, kValid);
    }
    f.Eval(step);
    ExpectPoint(f.OutPoint(step, 1), c.want1);
    ExpectPoint(f.OutPoint(step, 2), c.want2);
    EXPECT_EQ(f.fig.SwapFlag[step], c.flagAfter);
  }
}

// Each crossing step keeps its own flag: the step evaluated is the one whose flag is used.
TEST(EvalPointStep, CrossingUsesTheFlagOfItsOwnStep) {
  StepFigure f;
  const ObjRef c1 = f.Add(Circ(0, 0, 1));
  const ObjRef c2 = f.Add(Circ(1, 0, 1));
  const int plain = f.AddStep("PC3", {c1, c2}, {f.AddOutput(kPoint), f.AddOutput(kPoint)});
  const int swapped = f.AddStep("PC3", {c1, c2}, {f.AddOutput(kPoint), f.AddOutput(kPoint)});
  f.fig.SwapFlag[swapped] = -1;
  f.Eval(plain);
  f.Eval(swapped);
  ExpectPoint(f.OutPoint(plain, 1), Vec2{0.5, kSqrt3Half});
  ExpectPoint(f.OutPoint(swapped, 1), Vec2{0.5, -kSqrt3Half});
  EXPECT_EQ(f.fig.SwapFlag[plain], 0);
  EXPECT_EQ(f.fig.SwapFlag[swapped], -1);
}

// Through the recomputation loop: a crossing that fails keeps its last place and takes the
// step that uses it down with it; when the lines meet again both come back.
TEST(EvalPointStep, FailedCrossingKeepsItsPlaceAndRecovers) {
  StepFigure f;
  const ObjRef a = f.Add(Pt(0, 0)), b = f.Add(Pt(4, 0)), c = f.Add(Pt(2, -1)), d = f.Add(Pt(2, 1));
  for (ObjRef p : {a, b, c, d}) f.AddStep("PNEW", {}, {p});
  const ObjRef ab = f.AddOutput(kLine), cd = f.AddOutput(kLine);
  f.AddStep("L1", {a, b}, {ab});
  f.AddStep("L1", {c, d}, {cd});
  const ObjRef x = f.AddOutput(kPoint), g = f.AddOutput(kPoint);
  f.AddStep("PC1", {ab, cd}, {x});
  f.AddStep("P3", {x, a, c}, {g});

  RecomputeFromScratch(f.fig, f.shell);
  ExpectPoint(f.fig.Points[x.index], Vec2{2, 0});
  ExpectPoint(f.fig.Points[g.index], Vec2{4.0 / 3, -1.0 / 3});

  f.fig.Points[d.index].x = 6;  // CD now runs parallel to AB
  f.fig.Points[d.index].y = -1;
  RecomputeFromScratch(f.fig, f.shell);
  EXPECT_EQ(f.fig.Points[x.index].check, kInvalid);
  EXPECT_EQ(f.fig.Points[x.index].x, 2) << "a failed crossing keeps its last place";
  EXPECT_EQ(f.fig.Points[g.index].check, kInvalid);

  f.fig.Points[d.index].y = 3;
  RecomputeFromScratch(f.fig, f.shell);
  ExpectPoint(f.fig.Points[x.index], Vec2{3, 0});
  ExpectPoint(f.fig.Points[g.index], Vec2{5.0 / 3, -1.0 / 3});
}

TEST(EvalPointStep, UnlistedCodesChangeNothing) {
  for (const char* code : {"PNEW", "PNEQ", "PBND", "P7", "PO", "PC"}) {
    SCOPED_TRACE(code);
    StepFigure f;
    const int step = f.Build(code, {Pt(0, 0), Pt(6, 0), Pt(0, 3)}, {kPoint});
    f.Eval(step);
    const PointRec& out = f.OutPoint(step, 1);
    EXPECT_EQ(out.check, kValid);
    EXPECT_EQ(out.x, kStale);
    EXPECT_EQ(out.y, kStale);
  }
}

// An output changes only in its position and check state; what the construction gave it stays.
TEST(EvalPointStep, WritesOnlyPositionAndCheck) {
  StepFigure f;
  const int step = f.Build("P3", {Pt(0, 0), Pt(6, 0), Pt(0, 3)}, {kPoint});
  PointRec& out = f.OutPoint(step, 1);
  out.colour = 4;
  out.locusColour = 9;
  out.kind = 1;
  out.independenceFlag = -1;
  out.bindingKind = 2;
  out.bindingIndex = 3;
  out.parameter = 0.25;
  out.name.Assign("G");
  f.Eval(step);
  ExpectPoint(out, Vec2{2, 1});
  EXPECT_EQ(out.colour, 4);
  EXPECT_EQ(out.locusColour, 9);
  EXPECT_EQ(out.kind, 1);
  EXPECT_EQ(out.independenceFlag, -1);
  EXPECT_EQ(out.bindingKind, 2);
  EXPECT_EQ(out.bindingIndex, 3);
  EXPECT_EQ(out.parameter, 0.25);
  EXPECT_EQ(out.name.Trimmed(), "G");
}

}  // namespace
}  // namespace zm
