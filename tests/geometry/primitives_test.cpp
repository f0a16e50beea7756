#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "cli/scripted_shell.h"
#include "geometry/primitives.h"

namespace zm {
namespace {

PointRec P(double x, double y, std::int16_t check = kValid) {
  PointRec p;
  p.x = x;
  p.y = y;
  p.check = check;
  return p;
}

LineRec L(double x1, double y1, double x2, double y2) {
  LineRec l;
  LineThrough2Points(P(x1, y1), P(x2, y2), l);
  return l;
}

// A line through `at` whose direction makes the angle `degrees` with the x axis.
LineRec LineAtAngle(Vec2 at, double degrees) {
  const double t = degrees * kPi / 180;
  return L(at.x, at.y, at.x + std::cos(t), at.y + std::sin(t));
}

CircleRec C(double x, double y, double r, std::int16_t check = kValid) {
  CircleRec c;
  c.centre = {x, y};
  c.radius = r;
  c.check = check;
  return c;
}

// Output records start valid at a stale place, as an earlier evaluation left them.
constexpr double kStale = 99;
PointRec StalePoint() { return P(kStale, kStale); }
NumberRec StaleNumber() { return ConstantNumber(kStale); }

void ExpectAt(const PointRec& p, std::optional<Vec2> want, double tol = 1e-9) {
  if (!want) {
    EXPECT_EQ(p.check, kInvalid);
    EXPECT_EQ(p.x, kStale) << "an invalid output keeps its last coordinates";
    EXPECT_EQ(p.y, kStale) << "an invalid output keeps its last coordinates";
    return;
  }
  EXPECT_EQ(p.check, kValid);
  EXPECT_NEAR(p.x, want->x, tol);
  EXPECT_NEAR(p.y, want->y, tol);
}

// --- Vector operations -------------------------------------------------------------------

TEST(PrimitivesVector, NormalisingNeedsALengthOfAtLeastOneHundredth) {
  struct Case {
    const char* rule;
    Vec2 v;
    std::int16_t ok;
  };
  const Case cases[] = {
      {"a vector of length 0.0099 is shorter than 0.01 and is not normalised", {0.0099, 0}, kFalse},
      {"a vector of length 0.0101 is normalised", {0, 0.0101}, kTrue},
      {"the zero vector is not normalised", {0, 0}, kFalse},
      {"an overflowing length is not normalised", {1e308, 1e308}, kFalse},
      {"(3, 4) becomes (0.6, 0.8)", {3, 4}, kTrue},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rule);
    Vec2 v = c.v;
    EXPECT_EQ(VecNormalize(v), c.ok);
    if (c.ok == kFalse) {
      EXPECT_EQ(v.x, c.v.x) << "a failed normalisation leaves the vector as it was";
      EXPECT_EQ(v.y, c.v.y) << "a failed normalisation leaves the vector as it was";
    } else {
      EXPECT_NEAR(VecLength(v), 1, 1e-12);
    }
  }
}

TEST(PrimitivesVector, InverseNeedsADeterminantOfAtLeastOneHundredth) {
  struct Case {
    const char* rule;
    double det;
    std::int16_t ok;
  };
  const Case cases[] = {
      {"|det| 0.0099 is below 0.01: no inverse", 0.0099, kFalse},
      {"|det| 0.0101 has an inverse", 0.0101, kTrue},
      {"a negative det counts by its absolute value", -0.0101, kTrue},
      {"det 0 has no inverse", 0, kFalse},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rule);
    const Mat2 m{c.det, 3, 0, 1};  // det = m11 m22 - m21 m12 = c.det
    Mat2 inverse{7, 7, 7, 7};
    ASSERT_EQ(Inverse2(m, inverse), c.ok);
    if (c.ok == kFalse) continue;
    const Vec2 back = MulMatVec(inverse, MulMatVec(m, {2, -5}));
    EXPECT_NEAR(back.x, 2, 1e-9);
    EXPECT_NEAR(back.y, -5, 1e-9);
  }
}

TEST(PrimitivesVector, ArcCosAngleLiesInMinusHalfPiToHalfPiAndClampsNearPlusMinusOne) {
  struct Case {
    const char* rule;
    double c;
    double want;
  };
  const double justInside = std::sqrt(1 - 0.0000009);   // 1 - c^2 = 0.0000009
  const double justOutside = std::sqrt(1 - 0.0000011);  // 1 - c^2 = 0.0000011
  const Case cases[] = {
      {"cosine 0 gives pi/2", 0, kHalfPi},
      {"a positive cosine gives arccos", 0.5, std::acos(0.5)},
      {"a negative cosine gives arccos minus pi", -0.5, std::acos(-0.5) - kPi},
      {"1 - c^2 = 0.0000009 is inside the clamp: 0", justInside, 0},
      {"1 - c^2 = 0.0000011 is outside the clamp", justOutside, std::acos(justOutside)},
      {"a cosine near -1 inside the clamp is taken as +1: 0", -justInside, 0},
      {"a cosine just beyond 1 from rounding is 0", 1.0000000001, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rule);
    EXPECT_NEAR(ArcCosAngle(c.c), c.want, 1e-12);
  }
}

// --- Check flags and failures ------------------------------------------------------------

TEST(PrimitivesCheck, AnInvalidInputMakesEveryOutputInvalidAndKeepsItsFields) {
  const PointRec gone = P(1, 2, kInvalid);
  PointRec point = StalePoint();
  RotatePoint(gone, P(0, 0), ConstantNumber(30), point);
  ExpectAt(point, std::nullopt);

  NumberRec ratio = ConstantNumber(1);
  ratio.check = kInvalid;
  point = StalePoint();
  DivisionPoint(P(0, 0), P(2, 0), ConstantNumber(1), ratio, point);
  ExpectAt(point, std::nullopt);

  LineRec line = L(kStale, kStale, kStale, kStale + 1);
  PerpendicularLine(L(0, 0, 1, 0), gone, line);
  EXPECT_EQ(line.check, kInvalid);
  EXPECT_EQ(line.end1.x, kStale);
  EXPECT_EQ(line.direction.y, 1) << "an invalid line keeps its direction";

  NumberRec n = StaleNumber();
  DistancePC(P(0, 0), C(0, 0, 1, kInvalid), n);
  EXPECT_EQ(n.check, kInvalid);
  EXPECT_EQ(n.value, kStale);
}

TEST(PrimitivesCheck, AResultThatOverflowsIsInvalidAndNeverReachesTheRecord) {
  NumberRec n = StaleNumber();
  DistancePP(P(-1e308, 0), P(1e308, 0), n);
  EXPECT_EQ(n.check, kInvalid);
  EXPECT_EQ(n.value, kStale);

  PointRec point = StalePoint();
  DivisionPoint(P(1, 0), P(2, 0), ConstantNumber(1e308), ConstantNumber(1e308), point);
  ExpectAt(point, std::nullopt);

  point = StalePoint();
  ExtensionPoint(P(-1e308, 0), P(1e308, 0), ConstantNumber(2), point);
  ExpectAt(point, std::nullopt);
}

// The output of one point construction, started from a stale valid record.
template <class F>
PointRec Made(F construct) {
  PointRec out = StalePoint();
  construct(out);
  return out;
}

NumberRec K(double value) { return ConstantNumber(value); }

TEST(PrimitivesCheck, DegenerateInputsOfPointConstructions) {
  struct Case {
    const char* rule;
    PointRec got;
    std::optional<Vec2> want;
  };
  const Case cases[] = {
      {"division with m + n = 0 exactly has no point",
       Made([](PointRec& o) { DivisionPoint(P(0, 0), P(2, 0), K(2), K(-2), o); }), std::nullopt},
      {"division 1 : 3 lies a quarter of the way",
       Made([](PointRec& o) { DivisionPoint(P(0, 0), P(4, 8), K(1), K(3), o); }), Vec2{1, 2}},
      {"extension by k lies k lengths beyond the second point",
       Made([](PointRec& o) { ExtensionPoint(P(0, 0), P(1, 2), K(3), o); }), Vec2{4, 8}},
      {"point symmetry reflects the first point in the second",
       Made([](PointRec& o) { PointSymmetry(P(1, 1), P(3, 0), o); }), Vec2{5, -1}},
      {"rotation turns counterclockwise",
       Made([](PointRec& o) { RotatePoint(P(2, 1), P(1, 1), K(90), o); }), Vec2{1, 2}},
      {"a unit step toward a point 0.0099 away is impossible",
       Made([](PointRec& o) { UnitStepToward(P(0, 0), P(0.0099, 0), o); }), std::nullopt},
      {"a unit step toward a point 0.0101 away has length 1",
       Made([](PointRec& o) { UnitStepToward(P(0, 0), P(0, 0.0101), o); }), Vec2{0, 1}},
      {"the incentre of three equal points is that point",
       Made([](PointRec& o) { Incentre(P(2, 3), P(2, 3), P(2, 3), o); }), Vec2{2, 3}},
      {"the circumcentre of collinear points does not exist",
       Made([](PointRec& o) { Circumcentre(P(0, 0), P(1, 1), P(3, 3), o); }), std::nullopt},
      {"the circumcentre needs the second point 0.01 away from the first",
       Made([](PointRec& o) { Circumcentre(P(0, 0), P(0.0099, 0), P(0, 3), o); }), std::nullopt},
      {"the circumcentre of a right triangle is the middle of the hypotenuse",
       Made([](PointRec& o) { Circumcentre(P(0, 0), P(4, 0), P(0, 3), o); }), Vec2{2, 1.5}},
      {"the excentre opposite the first point touches the far side",
       Made([](PointRec& o) { Excentre(P(0, 0), P(4, 0), P(0, 3), o); }), Vec2{6, 6}},
      {"the excentre of three equal points does not exist",
       Made([](PointRec& o) { Excentre(P(1, 1), P(1, 1), P(1, 1), o); }), std::nullopt},
      {"the nine-point centre halves circumcentre and orthocentre",
       Made([](PointRec& o) { NinePointCentre(P(0, 0), P(4, 0), P(0, 3), o); }), Vec2{1, 0.75}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rule);
    ExpectAt(c.got, c.want);
  }
}

// --- Lines ---------------------------------------------------------------------------------

TEST(PrimitivesLines, LineDirectionReportsTheNormalisation) {
  LineRec l;
  l.end1 = {1, 1};
  l.end2 = {1.0099, 1};
  EXPECT_EQ(LineDirection(l), kFalse) << "ends 0.0099 apart give no direction";
  EXPECT_EQ(l.check, kInvalid);
  EXPECT_NEAR(l.direction.x, 0.0099, 1e-12) << "the unnormalised difference stays";
  l.end2 = {1, 1.0101};
  EXPECT_EQ(LineDirection(l), kTrue) << "ends 0.0101 apart give a direction";
  EXPECT_EQ(l.check, kValid);
  EXPECT_NEAR(l.direction.y, 1, 1e-12);
}

TEST(PrimitivesLines, PerpendicularEndsAtTheFoot) {
  LineRec k;
  PerpendicularLine(L(0, 1, 2, 1), P(5, 4), k);
  EXPECT_EQ(k.check, kValid);
  EXPECT_NEAR(k.end1.x, 5, 1e-12);
  EXPECT_NEAR(k.end1.y, 4, 1e-12);
  EXPECT_NEAR(k.end2.x, 5, 1e-12) << "end2 is the foot on the line";
  EXPECT_NEAR(k.end2.y, 1, 1e-12);
  EXPECT_NEAR(k.direction.x, 0, 1e-12) << "the direction is turned counterclockwise";
  EXPECT_NEAR(k.direction.y, 1, 1e-12);

  PerpendicularLine(L(0, 1, 2, 1), P(3, 1), k);
  EXPECT_NEAR(k.end2.x, k.end1.x, 1e-12) << "a point on the line is its own foot";
  EXPECT_NEAR(k.end2.y, k.end1.y, 1e-12);

  PerpendicularBisector(L(0, 0, 4, 2), k);
  EXPECT_NEAR(k.end1.x, 2, 1e-12);
  EXPECT_NEAR(k.end1.y, 1, 1e-12);
  EXPECT_NEAR(k.end2.x, 2, 1e-12);
  EXPECT_NEAR(VecDot(k.direction, {2, 1}), 0, 1e-12);
}

TEST(PrimitivesLines, AngleBisectorRunsFromTheVertexIntoTheAngle) {
  LineRec b;
  AngleBisector(P(4, 0), P(0, 0), P(0, 4), b);
  EXPECT_EQ(b.check, kValid);
  EXPECT_NEAR(b.end1.x, 0, 1e-12);
  EXPECT_NEAR(b.direction.x, std::sqrt(0.5), 1e-12);
  EXPECT_NEAR(b.direction.y, std::sqrt(0.5), 1e-12);
  EXPECT_GT(b.end2.x, 0);

  b = L(kStale, kStale, kStale, kStale + 1);
  AngleBisector(P(1, 1), P(1, 1), P(1, 1), b);
  EXPECT_EQ(b.check, kInvalid) << "the vertex coincides with the incentre";
  EXPECT_EQ(b.end1.x, kStale);
}

TEST(PrimitivesLines, PolarLine) {
  struct Case {
    const char* rule;
    PointRec p;
    CircleRec c;
    bool valid;
    Vec2 end1;
  };
  const Case cases[] = {
      {"the polar of (2, 0) to the unit circle is x = 0.5", P(2, 0), C(0, 0, 1), true, {0.5, 0}},
      {"the polar of (0, 2) meets the vertical through the centre", P(0, 2), C(0, 0, 1), true,
       {0, 0.5}},
      {"the circle's centre has no polar", P(3, 3), C(3, 3, 1), false, {}},
      {"a point 0.0099 from the centre has no polar", P(3.0099, 3), C(3, 3, 1), false, {}},
      {"a point 0.0101 from the centre has a polar", P(3.0101, 3), C(3, 3, 1), true,
       {3 + 1 / 0.0101, 3}},
      {"the polar is moved with the centre", P(5, 2), C(1, 2, 2), true, {2, 2}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rule);
    LineRec l = L(kStale, kStale, kStale, kStale + 1);
    PolarLine(c.p, c.c, l);
    if (!c.valid) {
      EXPECT_EQ(l.check, kInvalid);
      EXPECT_EQ(l.end1.x, kStale);
      continue;
    }
    EXPECT_EQ(l.check, kValid);
    EXPECT_NEAR(l.end1.x, c.end1.x, 1e-9);
    EXPECT_NEAR(l.end1.y, c.end1.y, 1e-9);
    // Every point X of the polar has (X - c) . (P - c) = r^2.
    const Vec2 pc{c.p.x - c.c.centre.x, c.p.y - c.c.centre.y};
    const Vec2 x2{l.end2.x - c.c.centre.x, l.end2.y - c.c.centre.y};
    EXPECT_NEAR(VecDot(x2, pc), c.c.radius * c.c.radius, 1e-9);
  }
}

// --- Intersections -------------------------------------------------------------------------

TEST(PrimitivesCross, LinesMeetingAtLessThanTheParallelToleranceDoNotIntersect) {
  struct Case {
    const char* rule;
    double degrees;
    bool meets;
  };
  const double justUnder = std::asin(0.0099) * 180 / kPi;
  const double justOver = std::asin(0.0101) * 180 / kPi;
  const Case cases[] = {
      {"lines at 0.5 degrees are near-parallel", 0.5, false},
      {"lines at 1 degree meet", 1, true},
      {"|det| = sin(angle) = 0.0099 is below 0.01: no intersection", justUnder, false},
      {"|det| = sin(angle) = 0.0101 meets", justOver, true},
      {"an obtuse crossing counts by the sine too", 180 - justOver, true},
      {"opposite directions are parallel", 180, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rule);
    PointRec x = StalePoint();
    CrossLL(LineAtAngle({0, 0}, 0), LineAtAngle({3, 0}, c.degrees), x);
    ExpectAt(x, c.meets ? std::optional<Vec2>(Vec2{3, 0}) : std::nullopt, 1e-6);
  }
}

TEST(PrimitivesCross, LineAndCircleTouchWithinTheTangencyTolerance) {
  // The line y = 0 directed towards +x and a circle about (0, 1): the discriminant is r^2 - 1.
  struct Case {
    const char* rule;
    double discriminant;
    std::optional<double> s1x;  // nullopt: no intersection
  };
  const Case cases[] = {
      {"D = -0.00011 is below -0.0001: no intersection", -0.00011, std::nullopt},
      {"D = -0.00009 is taken as 0: both at the touching point", -0.00009, 0.0},
      {"D = +0.00009 is taken as 0: both at the touching point", 0.00009, 0.0},
      {"D = +0.00011 gives two points", 0.00011, std::sqrt(0.00011)},
      {"D = 3 gives two points, the first farther along the line", 3, std::sqrt(3.0)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rule);
    PointRec s1 = StalePoint(), s2 = StalePoint();
    SolutionOrder order{};
    CrossLC(L(-5, 0, 5, 0), C(0, 1, std::sqrt(1 + c.discriminant)), s1, s2, order);
    if (!c.s1x) {
      ExpectAt(s1, std::nullopt);
      ExpectAt(s2, std::nullopt);
      continue;
    }
    ExpectAt(s1, Vec2{*c.s1x, 0}, 1e-7);
    ExpectAt(s2, Vec2{-*c.s1x, 0}, 1e-7);
  }
}

TEST(PrimitivesCross, CirclesTouchWithinTheTangencyToleranceOfQ) {
  // Equal circles about (0, 0) and (2, 0): D = 4 and Q = 16 r^2 - 16, half chord^2 = Q / 16.
  struct Case {
    const char* rule;
    double q;
    std::optional<double> halfChord;  // nullopt: no intersection
  };
  const Case cases[] = {
      {"Q = -0.00011 is below -0.0001: no intersection", -0.00011, std::nullopt},
      {"Q = -0.00009 is taken as 0: both at the touching point", -0.00009, 0.0},
      {"Q = +0.00009 is taken as 0: both at the touching point", 0.00009, 0.0},
      {"Q = +0.00011 gives two points", 0.00011, std::sqrt(0.00011 / 16)},
      {"Q = 16 gives two points, the first to the left of c1 -> c2", 16, 1.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rule);
    const double r = std::sqrt(1 + c.q / 16);
    PointRec s1 = StalePoint(), s2 = StalePoint();
    SolutionOrder order{};
    CrossCC(C(0, 0, r), C(2, 0, r), s1, s2, order);
    if (!c.halfChord) {
      ExpectAt(s1, std::nullopt);
      ExpectAt(s2, std::nullopt);
      continue;
    }
    ExpectAt(s1, Vec2{1, *c.halfChord}, 1e-7);
    ExpectAt(s2, Vec2{1, -*c.halfChord}, 1e-7);
  }
}

TEST(PrimitivesCross, CirclesAboutOneCentreDoNotIntersect) {
  for (double r2 : {1.0, 2.0}) {
    SCOPED_TRACE(r2 == 1 ? "equal circles" : "concentric circles");
    PointRec s1 = StalePoint(), s2 = StalePoint();
    SolutionOrder order{};
    CrossCC(C(1, 1, 1), C(1, 1, r2), s1, s2, order);
    ExpectAt(s1, std::nullopt);
    ExpectAt(s2, std::nullopt);
  }
}

TEST(PrimitivesCross, SamePositionIsASumOfCoordinateDifferencesBelowOneThousandth) {
  EXPECT_TRUE(SamePosition(P(1, 1), {1.0005, 1.0004})) << "|dx| + |dy| = 0.0009 is the same place";
  EXPECT_FALSE(SamePosition(P(1, 1), {1.0006, 0.9995})) << "|dx| + |dy| = 0.0011 is not";
}

// --- Keeping the order of two solutions ------------------------------------------------------

// Two circles crossing at (1, 1) (left of the direction from the first centre to the second)
// and (1, -1) (right of it).
constexpr Vec2 kLeft{1, 1};
constexpr Vec2 kRight{1, -1};

TEST(PrimitivesSolutionOrder, TheFlagTurnsOnlyWhenASolutionSitsAtTheOtherOutputsPlace) {
  struct Case {
    const char* rule;
    std::int16_t flagBefore;
    Vec2 recorded1, recorded2;  // snapshot positions of outputs 1 and 2
    std::int16_t flagAfter;
    Vec2 out1, out2;
  };
  const Vec2 far{50, 50};
  const Case cases[] = {
      {"flag 0, outputs recorded in the natural order: unchanged", kFalse, kLeft, kRight, kFalse,
       kLeft, kRight},
      {"flag -1, outputs recorded right first: stable, right first again", kTrue, kRight, kLeft,
       kTrue, kRight, kLeft},
      {"flag 0, recorded right first: the flag turns and each output stays put", kFalse, kRight,
       kLeft, kTrue, kRight, kLeft},
      {"flag -1, recorded in the natural order: the flag turns back", kTrue, kLeft, kRight, kFalse,
       kLeft, kRight},
      {"one solution at the other output's place, the other far: the flag turns", kFalse, kRight,
       far, kTrue, kRight, kLeft},
      {"both solutions far from both recorded places: unchanged", kFalse, far, {-50, 50}, kFalse,
       kLeft, kRight},
      {"both outputs recorded at one solution: the own match keeps the flag", kFalse, kLeft, kLeft,
       kFalse, kLeft, kRight},
      {"|dx| + |dy| = 0.0009 from the other output counts as there", kFalse,
       {1.0005, -1.0004}, far, kTrue, kRight, kLeft},
      {"|dx| + |dy| = 0.0011 from the other output does not", kFalse, {1.0006, -1.0005}, far,
       kFalse, kLeft, kRight},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rule);
    std::int16_t flag = c.flagBefore;
    SolutionOrder order{c.recorded1, c.recorded2, &flag};
    PointRec s1 = StalePoint(), s2 = StalePoint();
    CrossCC(C(0, 0, std::sqrt(2.0)), C(2, 0, std::sqrt(2.0)), s1, s2, order);
    EXPECT_EQ(flag, c.flagAfter);
    ExpectAt(s1, c.out1);
    ExpectAt(s2, c.out2);
  }
}

TEST(PrimitivesSolutionOrder, RepeatedEvaluationIsStable) {
  std::int16_t flag = kFalse;
  Vec2 recorded1 = kRight, recorded2 = kLeft;  // drawn with the right-hand point first
  for (int pass = 0; pass < 3; ++pass) {
    SCOPED_TRACE("pass " + std::to_string(pass));
    SolutionOrder order{recorded1, recorded2, &flag};
    PointRec s1 = StalePoint(), s2 = StalePoint();
    CrossCC(C(0, 0, std::sqrt(2.0)), C(2, 0, std::sqrt(2.0)), s1, s2, order);
    EXPECT_EQ(flag, kTrue) << "turned once, then kept";
    ExpectAt(s1, kRight);
    recorded1 = {s1.x, s1.y};
    recorded2 = {s2.x, s2.y};
  }
}

TEST(PrimitivesSolutionOrder, AnInvalidIntersectionLeavesTheFlag) {
  std::int16_t flag = kFalse;
  SolutionOrder order{kRight, kLeft, &flag};
  PointRec s1 = StalePoint(), s2 = StalePoint();
  CrossCC(C(0, 0, 1), C(0, 0, 1), s1, s2, order);
  EXPECT_EQ(flag, kFalse);
  CrossLC(L(-5, 3, 5, 3), C(0, 0, 1), s1, s2, order);
  EXPECT_EQ(flag, kFalse);
}

TEST(PrimitivesSolutionOrder, LineAndCircleKeepTheirOrderToo) {
  // The line y = 0 towards +x meets the unit circle first at (1, 0), then at (-1, 0).
  std::int16_t flag = kFalse;
  SolutionOrder order{{-1, 0}, {1, 0}, &flag};
  PointRec s1 = StalePoint(), s2 = StalePoint();
  CrossLC(L(-5, 0, 5, 0), C(0, 0, 1), s1, s2, order);
  EXPECT_EQ(flag, kTrue);
  ExpectAt(s1, Vec2{-1, 0});
  ExpectAt(s2, Vec2{1, 0});
}

// --- Measures ------------------------------------------------------------------------------

TEST(PrimitivesMeasures, Distances) {
  NumberRec n;
  DistancePP(P(0, 0), P(3, 4), n);
  EXPECT_DOUBLE_EQ(n.value, 5);
  DistancePL(P(2, 5), L(0, 1, 1, 1), n);
  EXPECT_NEAR(n.value, 4, 1e-12);
  EXPECT_EQ(n.check, kValid);
  DistancePC(P(0, 0), C(0, 0, 2), n);
  EXPECT_DOUBLE_EQ(n.value, 2) << "inside the circle the distance is positive";
  DistancePC(P(0, 5), C(0, 0, 2), n);
  EXPECT_DOUBLE_EQ(n.value, 3);
}

struct AngleCase {
  const char* rule;
  PointRec p, q, r;
  double unsignedValue;
  double signedValue;
};

TEST(PrimitivesMeasures, AnglesOfThreePoints) {
  const double inside = 180 - 0.05;  // the cosine of this angle falls inside the clamp
  const double outside = 180 - 0.1;
  const double t1 = inside * kPi / 180, t2 = outside * kPi / 180;
  const AngleCase cases[] = {
      {"a counterclockwise quarter turn", P(1, 0), P(0, 0), P(0, 1), 90, 90},
      {"a clockwise quarter turn is negative", P(0, 1), P(0, 0), P(1, 0), 90, -90},
      {"about another vertex", P(3, 1), P(2, 1), P(1, 2), 135, 135},
      {"an arm point on the vertex gives 0", P(0, 0), P(0, 0), P(1, 0), 0, 0},
      {"an arm 0.0099 long gives 0", P(0.0099, 0), P(0, 0), P(0, 1), 0, 0},
      {"an arm 0.0101 long measures", P(0.0101, 0), P(0, 0), P(0, 1), 90, 90},
      {"two arms in the same direction give 0", P(2, 0), P(0, 0), P(1, 0), 0, 0},
      {"a straight angle is 0 unsigned and 180 signed", P(-1, 0), P(0, 0), P(1, 0), 0, 180},
      {"179.95 degrees is inside the cosine clamp: a straight angle", P(1, 0), P(0, 0),
       P(std::cos(t1), std::sin(t1)), 0, 180},
      {"179.9 degrees is outside the cosine clamp", P(1, 0), P(0, 0),
       P(std::cos(t2), std::sin(t2)), outside, outside},
  };
  ScriptedShell shell;
  for (const AngleCase& c : cases) {
    SCOPED_TRACE(c.rule);
    NumberRec n = StaleNumber();
    AngleUnsigned(c.p, c.q, c.r, n);
    EXPECT_EQ(n.check, kValid);
    EXPECT_NEAR(n.value, c.unsignedValue, 1e-6);
    n = StaleNumber();
    AngleSigned(c.p, c.q, c.r, n, shell);
    EXPECT_EQ(n.check, kValid);
    EXPECT_NEAR(n.value, c.signedValue, 1e-6);
  }
  EXPECT_TRUE(shell.Log().empty());
}

TEST(PrimitivesMeasures, AnglesOfAnInvalidOrOverflowingArmAreInvalid) {
  ScriptedShell shell;
  NumberRec n = StaleNumber();
  AngleSigned(P(1, 0), P(0, 0, kInvalid), P(0, 1), n, shell);
  EXPECT_EQ(n.check, kInvalid);
  EXPECT_EQ(n.value, kStale);
  AngleUnsigned(P(1, 0), P(0, 0), P(0, 1, kInvalid), n);
  EXPECT_EQ(n.check, kInvalid);
  EXPECT_EQ(n.value, kStale);
  AngleSigned(P(1e308, 0), P(-1e308, 0), P(0, 1), n, shell);
  EXPECT_EQ(n.check, kInvalid) << "an arm that overflows is not a short arm";
  EXPECT_EQ(n.value, kStale);
}

// Far from the origin the unit points of the arms are rounded to the coarse spacing of the
// coordinates (2^-5 at 2^47), so the turned arm misses the other arm by about a hundredth.
TEST(PrimitivesMeasures, ATurnThatMissesTheOtherArmByMoreThanTheMatchToleranceIsReported) {
  const double x0 = std::ldexp(1.0, 47);
  struct Case {
    const char* rule;
    double rx, ry;
    bool reported;
  };
  const Case cases[] = {
      {"the turned arm misses by 0.00985 (below 0.01): it matches", x0 - 14, -9.98, false},
      {"the turned arm misses by 0.01016 (above 0.01): Error in Angle", x0 - 15.25, -9.98, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rule);
    ScriptedShell shell;
    const PointRec p = P(x0 + 0.5, 10), q = P(x0, 0), r = P(c.rx, c.ry);
    NumberRec unsignedAngle, n = StaleNumber();
    AngleUnsigned(p, q, r, unsignedAngle);
    AngleSigned(p, q, r, n, shell);
    EXPECT_EQ(n.check, kValid) << "the angle stays valid either way";
    if (c.reported) {
      EXPECT_EQ(shell.Log(), std::vector<std::string>{"message: Error in Angle"});
      EXPECT_EQ(n.value, -unsignedAngle.value) << "after the message the angle is negated";
    } else {
      EXPECT_TRUE(shell.Log().empty());
      EXPECT_EQ(n.value, unsignedAngle.value);
    }
  }
}

TEST(PrimitivesMeasures, AnAngleNoTurnReproducesIsReportedOnce) {
  // At 2^55 the unit step along x rounds back onto the vertex, so neither turn reaches arm QR.
  const double x0 = std::ldexp(1.0, 55);
  ScriptedShell shell;
  NumberRec n;
  AngleSigned(P(x0 + 16, 0), P(x0, 0), P(x0, 16), n, shell);
  EXPECT_EQ(shell.Log(), std::vector<std::string>{"message: Error in Angle"});
  EXPECT_EQ(n.check, kValid);
  EXPECT_DOUBLE_EQ(n.value, -90);
}

}  // namespace
}  // namespace zm
