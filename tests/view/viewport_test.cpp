#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "view/render.h"
#include "view/view_fixture.h"
#include "view/viewport.h"

namespace zm::viewtest {
namespace {

constexpr std::string_view kLimitMessage = "そろそろ限界ですので,元の画面に戻します";

class ViewportTest : public ViewFixture {
 protected:
  std::vector<Drawn> GridLinesDrawn(LineStyle style, bool vertical) const {
    std::vector<Drawn> out;
    for (const Drawn& d : CallsOf(Drawn::Kind::kLine))
      if (d.pen.style == style && (d.a.x == d.b.x) == vertical) out.push_back(d);
    return out;
  }
};

TEST_F(ViewportTest, SetScreenDerivesTheHalfSizesFromTheClientArea) {
  EXPECT_DOUBLE_EQ(app.MaxOfX, 15.975);
  EXPECT_DOUBLE_EQ(app.MaxOfY, 11.975);

  surface.Resize({800, 600});
  SetScreen(app);
  EXPECT_EQ(app.dp, kDefaultDp) << "a resize keeps the scale";
  EXPECT_DOUBLE_EQ(app.MaxOfX, 19.975);
  const PixelPoint centre = ToPixel(app, {0, 0});
  EXPECT_DOUBLE_EQ(centre.x, 400);
  EXPECT_DOUBLE_EQ(centre.y, 300);
}

TEST_F(ViewportTest, MapsTheViewRectangleOntoTheClientAreaAndBack) {
  struct Case {
    Vec2 world;
    PixelPoint pixel;
  };
  const Case cases[] = {
      {{-15.975, 11.975}, {0, 0}},
      {{15.975, -11.975}, {640, 480}},
      {{0, 0}, {320, 240}},
      {{-15, 11}, {19.530516431924877, 19.540709812108553}},
      {{1, -1}, {340.03129890453834, 260.04175365344467}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.world.x << "," << c.world.y);
    const PixelPoint p = ToPixel(app, c.world);
    EXPECT_NEAR(p.x, c.pixel.x, 1e-9);
    EXPECT_NEAR(p.y, c.pixel.y, 1e-9);
    const Vec2 back = ToWorld(app, c.pixel);
    EXPECT_NEAR(back.x, c.world.x, 1e-12);
    EXPECT_NEAR(back.y, c.world.y, 1e-12);
  }
  EXPECT_NEAR(ToPixelLength(app, 1), 640 / 31.95, 1e-12) << "radii use the horizontal scale";
}

TEST_F(ViewportTest, AClientAreaWithoutSizeGivesAnEmptyViewThatDrawsNothing) {
  AddPoint(1, 1, 1);
  AddLine({0, 0}, {1, 1});
  AddCircle({0, 0}, 2);
  AddNumber("d", 3);
  app.AxisSW = kTrue;
  const PixelSize sizes[] = {{0, 0}, {1, 1}, {1, 480}, {640, 1}, {-3, -7}};
  for (const PixelSize size : sizes) {
    SCOPED_TRACE(testing::Message() << size.width << "x" << size.height);
    surface.Resize(size);
    surface.Forget();
    SetScreen(app);
    EXPECT_EQ(app.MaxOfX, 0);
    EXPECT_EQ(app.MaxOfY, 0);
    EXPECT_TRUE(ViewIsEmpty(app));
    EXPECT_TRUE(Finite(ToPixel(app, {5, 5})));
    EXPECT_EQ(ToPixelLength(app, 5), 0);
    const Vec2 w = ToWorld(app, {3, 3});
    EXPECT_TRUE(std::isfinite(w.x) && std::isfinite(w.y));
    Redraw(app);
    ASSERT_EQ(Calls().size(), 1u) << "only the clearing reaches the surface";
    EXPECT_EQ(Calls()[0].kind, Drawn::Kind::kClear);
  }
  surface.Resize({640, 480});
  SetScreen(app);
  EXPECT_FALSE(ViewIsEmpty(app));
  EXPECT_DOUBLE_EQ(app.MaxOfX, 15.975);
}

TEST_F(ViewportTest, ZoomingInStopsAtTheLimitAndReturnsToTheDefaultScale) {
  for (int i = 1; i <= 8; ++i) ZoomIn(app);
  EXPECT_DOUBLE_EQ(app.dp, 0.0001953125);
  EXPECT_DOUBLE_EQ(app.MaxOfX, 639 * 0.0001953125 / 2) << "each zoom sets the screen again";
  EXPECT_TRUE(Messages().empty());
  ZoomIn(app);
  EXPECT_EQ(Messages(), std::vector<std::string>{std::string(kLimitMessage)});
  EXPECT_EQ(app.dp, kDefaultDp);
  EXPECT_DOUBLE_EQ(app.MaxOfX, 15.975);
}

TEST_F(ViewportTest, TheLimitIsOnTheScaleNotOnACountOfZooms) {
  for (int i = 0; i < 3; ++i) ZoomOut(app);
  EXPECT_DOUBLE_EQ(app.dp, 0.4);
  for (int i = 1; i <= 11; ++i) ZoomIn(app);
  EXPECT_TRUE(Messages().empty()) << "eleven zoom-ins are accepted after three zoom-outs";
  ZoomIn(app);
  EXPECT_EQ(Messages().size(), 1u);
  EXPECT_EQ(app.dp, kDefaultDp);

  ZoomOut(app);
  ZoomDefault(app);
  EXPECT_EQ(app.dp, kDefaultDp);
}

TEST_F(ViewportTest, EveryZoomRedrawsTheWindow) {
  using Zoom = void (*)(App&);
  for (Zoom zoom : {Zoom{ZoomIn}, Zoom{ZoomOut}, Zoom{ZoomDefault}}) {
    surface.Forget();
    zoom(app);
    ASSERT_FALSE(Calls().empty());
    EXPECT_EQ(Calls()[0].kind, Drawn::Kind::kClear);
  }
}

TEST_F(ViewportTest, ZoomingOutWithoutEndKeepsTheScaleFinite) {
  for (int i = 0; i < 1100; ++i) ZoomOut(app);
  EXPECT_TRUE(std::isfinite(app.dp));
  EXPECT_GT(app.dp, 1e300);
  EXPECT_TRUE(ViewIsEmpty(app)) << "a view wider than the largest number shows nothing";
  surface.Forget();
  AddPoint(0, 0, 1);
  Redraw(app);
  EXPECT_EQ(Calls().size(), 1u);
}

TEST_F(ViewportTest, TheGridHasALineAtEveryIntegerAndSolidAxes) {
  app.AxisSW = kTrue;
  axis(app);
  const std::vector<Drawn> vertical = GridLinesDrawn(LineStyle::kDotted, true);
  const std::vector<Drawn> horizontal = GridLinesDrawn(LineStyle::kDotted, false);
  ASSERT_EQ(vertical.size(), 31u) << "x = -15 ... 15";
  ASSERT_EQ(horizontal.size(), 23u) << "y = -11 ... 11";
  EXPECT_NEAR(vertical.front().a.x, 19.530516431924877, 1e-9);
  EXPECT_NEAR(vertical.back().a.x, 620.4694835680751, 1e-9);
  EXPECT_NEAR(vertical[15].a.x, 320, 1e-9);
  EXPECT_NEAR(vertical.front().a.y, 480, 1e-9) << "from the bottom edge";
  EXPECT_NEAR(vertical.front().b.y, 0, 1e-9) << "to the top edge";
  EXPECT_NEAR(horizontal.front().a.y, 460.45929018789144, 1e-9) << "y = -11 first";
  EXPECT_NEAR(horizontal.front().a.x, 0, 1e-9);
  EXPECT_NEAR(horizontal.front().b.x, 640, 1e-9);

  const std::vector<std::string> lines = surface.Lines();
  ASSERT_EQ(lines.size(), 31u + 23u + 2u);
  EXPECT_EQ(lines[0], "line 19.5305,480 19.5305,0 #aaaaaa w1 dotted");
  EXPECT_EQ(lines[54], "line 320,480 320,0 #aaaaaa w1 solid") << "the y axis";
  EXPECT_EQ(lines[55], "line 0,240 640,240 #aaaaaa w1 solid") << "then the x axis";
}

TEST_F(ViewportTest, SwitchedOffTheGridIsRepaintedInAFadingGreyWithTheCurrentPen) {
  app.AxisSW = kFalse;
  app.penWidth = 3;
  axis(app);
  for (const Drawn& d : Calls()) {
    EXPECT_EQ(d.colour, (Rgb{190, 190, 190}));
    EXPECT_EQ(d.pen.width, 3);
  }
  EXPECT_EQ(Calls().size(), 56u);
}

// When grid lines come closer than a pixel apart, one line per pixel column and row is drawn:
// the lines would cover every pixel anyway, and the cost stays bounded by the window size.
TEST_F(ViewportTest, TheGridOfAStronglyZoomedOutViewCostsAtMostALinePerPixel) {
  struct Case {
    double dp;
    std::size_t vertical;
    std::size_t horizontal;
  };
  const Case cases[] = {
      {1, 639, 479},       // 1.0016 pixels apart: still one line per integer
      {1.6, 640, 480},     // five zoom-outs: 0.625 pixels apart
      {1e6, 640, 480},
      {1e300, 640, 480},
  };
  app.AxisSW = kTrue;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dp);
    app.dp = c.dp;
    SetScreen(app);
    surface.Forget();
    axis(app);
    EXPECT_EQ(GridLinesDrawn(LineStyle::kDotted, true).size(), c.vertical);
    EXPECT_EQ(GridLinesDrawn(LineStyle::kDotted, false).size(), c.horizontal);
    EXPECT_EQ(GridLinesDrawn(LineStyle::kSolid, true).size() + GridLinesDrawn(LineStyle::kSolid, false).size(), 2u);
    for (const Drawn& d : Calls()) EXPECT_TRUE(Finite(d.a) && Finite(d.b));
  }
}

}  // namespace
}  // namespace zm::viewtest
