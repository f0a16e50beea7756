#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "view/clip.h"

namespace zm {
namespace {

constexpr PixelRect kRect{0, 0, 100, 50};
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(ClipSegment, KeepsThePartInsideTheRectangleInItsOwnDirection) {
  struct Case {
    const char* name;
    PixelPoint from, to;
    bool shows;
    PixelPoint wantFrom, wantTo;
  };
  const Case cases[] = {
      {"inside: passed on exactly", {10.1, 20.3}, {90.7, 40.9}, true, {10.1, 20.3}, {90.7, 40.9}},
      {"crossing the whole width", {-1e6, 25}, {1e6, 25}, true, {0, 25}, {100, 25}},
      {"direction kept", {1e6, 25}, {-1e6, 25}, true, {100, 25}, {0, 25}},
      {"one end inside", {50, 25}, {50, -1000}, true, {50, 25}, {50, 0}},
      {"diagonal through a corner region", {-50, -50}, {150, 150}, true, {0, 0}, {50, 50}},
      {"wholly left", {-10, 0}, {-5, 50}, false, {}, {}},
      {"parallel to an edge, outside", {0, 60}, {100, 60}, false, {}, {}},
      {"passes beside a corner", {90, -20}, {120, 10}, false, {}, {}},
      {"on the edge", {0, 0}, {100, 0}, true, {0, 0}, {100, 0}},
      {"a point inside", {5, 5}, {5, 5}, true, {5, 5}, {5, 5}},
      {"NaN end", {kNaN, 5}, {5, 5}, false, {}, {}},
      {"infinite end", {5, 5}, {kInf, 5}, false, {}, {}},
      {"ends whose difference overflows", {-1.7e308, 25}, {1.7e308, 25}, false, {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto got = ClipSegment(c.from, c.to, kRect);
    ASSERT_EQ(got.has_value(), c.shows);
    if (!got) continue;
    EXPECT_NEAR(got->from.x, c.wantFrom.x, 1e-9);
    EXPECT_NEAR(got->from.y, c.wantFrom.y, 1e-9);
    EXPECT_NEAR(got->to.x, c.wantTo.x, 1e-9);
    EXPECT_NEAR(got->to.y, c.wantTo.y, 1e-9);
  }
}

TEST(CircleMayShow, OnlyAnOutlineThatCanCrossTheRectangle) {
  struct Case {
    const char* name;
    PixelPoint centre;
    double radius;
    bool shows;
  };
  const Case cases[] = {
      {"inside", {50, 25}, 10, true},
      {"around the middle, crossing the edges", {50, 25}, 40, true},
      {"rectangle wholly inside", {50, 25}, 56, false},  // farthest corner: 55.9
      {"just reaching the farthest corner", {50, 25}, 55.9, true},
      {"far away", {1000, 1000}, 10, false},
      {"touching an edge from outside", {50, 60}, 10, true},
      {"short of an edge", {50, 60}, 9.9, false},
      {"near a corner, not reaching it", {110, 60}, 14, false},  // corner at 14.14
      {"huge, passing through", {50, 1e7 + 25}, 1e7, true},
      {"negative radius", {50, 25}, -1, false},
      {"NaN radius", {50, 25}, kNaN, false},
      {"infinite centre", {kInf, 25}, 10, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(CircleMayShow(c.centre, c.radius, kRect), c.shows);
  }
}

TEST(VisibleArc, ChordsOfAHugeCircleStayOnItAndSpanTheRectangle) {
  struct Case {
    const char* name;
    PixelPoint centre;
    double radius;
  };
  const Case cases[] = {
      {"below, passing through", {50, 1e7 + 25}, 1e7},
      {"left, passing through", {-5e6 + 50, 25}, 5e6},
      {"far corner", {-40000, -40000}, 56600},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ArcChords arc = VisibleArc(c.centre, c.radius, kRect);
    ASSERT_GE(arc.count, 1);
    ASSERT_LE(arc.count, kMaxArcChords);
    // Every chord's middle lies within a quarter pixel of the arc.
    for (int i = 0; i < arc.count; ++i) {
      const double mid = arc.start + (i + 0.5) * arc.step;
      const double a0 = arc.start + i * arc.step;
      const double x = c.centre.x + c.radius * (std::cos(a0) + std::cos(a0 + arc.step)) / 2;
      const double y = c.centre.y + c.radius * (std::sin(a0) + std::sin(a0 + arc.step)) / 2;
      EXPECT_LE(c.radius - std::hypot(x - c.centre.x, y - c.centre.y), 0.25 + 1e-6) << "chord " << i << " at " << mid;
    }
    // The angles of the four corners lie within the chords' range.
    for (PixelPoint corner : {PixelPoint{0, 0}, PixelPoint{100, 0}, PixelPoint{0, 50}, PixelPoint{100, 50}}) {
      const double angle = std::atan2(corner.y - c.centre.y, corner.x - c.centre.x);
      const double from = std::remainder(angle - arc.start, 2 * std::numbers::pi);
      EXPECT_GE(from, -1e-12);
      EXPECT_LE(from, arc.count * arc.step + 1e-12);
    }
  }
}

TEST(VisibleArc, ACentreInsideTheRectangleTakesTheWholeCircleInBoundedChords) {
  const ArcChords arc = VisibleArc({50, 25}, 1e9, kRect);
  EXPECT_EQ(arc.count, kMaxArcChords);
  EXPECT_NEAR(arc.count * arc.step, 2 * std::numbers::pi, 1e-12);
}

}  // namespace
}  // namespace zm
