#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "figure/modes.h"
#include "view/render.h"
#include "view/view_fixture.h"
#include "view/viewport.h"
#include "view/clip.h"
#include "view/world_shapes.h"

namespace zm::viewtest {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
using K = Drawn::Kind;

class RenderTest : public ViewFixture {
 protected:
  // The recorded calls as kinds only, for checking an order.
  std::vector<K> Kinds() const {
    std::vector<K> out;
    for (const Drawn& d : Calls()) out.push_back(d.kind);
    return out;
  }
  void ExpectAt(PixelPoint got, Vec2 world, const char* what) const {
    const PixelPoint want = ToPixel(app, world);
    EXPECT_NEAR(got.x, want.x, 1e-9) << what;
    EXPECT_NEAR(got.y, want.y, 1e-9) << what;
  }
};

TEST_F(RenderTest, RedrawClearsDrawsGridFigureValueListAndRefreshesTheStatus) {
  app.AxisSW = kTrue;
  const ObjRef a = AddPoint(0, 0, 1);
  const ObjRef b = AddPoint(3, 4, 1);
  AddLine({0, 0}, {3, 4}, 1);
  AddCircle({0, 0}, 5);
  const ObjRef d = AddNumber("AB", 0);
  // A distance step: the redraw evaluates it before anything of the figure is drawn.
  const int n = ++app.fig.StepCount;
  app.fig.StepCode[n].Assign("ND2P");
  app.fig.StepIn[n][1] = a;
  app.fig.StepIn[n][2] = b;
  app.fig.StepOut[n][1] = d;
  app.fig.Points[b.index].check = kUnaffected;
  app.CurrentFile = "C:\\figs\\tri.txt";

  Redraw(app);

  std::vector<K> want{K::kClear};
  want.insert(want.end(), 31 + 23 + 2, K::kLine);                       // grid and axes
  for (int i = 0; i < 2; ++i) want.insert(want.end(), {K::kLine, K::kLine, K::kText});  // cross, label
  want.insert(want.end(), {K::kLine, K::kCircle});                      // segment, circle
  want.insert(want.end(), {K::kText, K::kText, K::kText});              // one value-list row
  EXPECT_EQ(Kinds(), want);

  const std::vector<Drawn>& calls = Calls();
  EXPECT_EQ(calls[0].colour, kBackgroundGrey);
  EXPECT_EQ(calls[59].text, "A");
  EXPECT_EQ(calls[62].text, "B");
  EXPECT_EQ(calls.back().text, " 1:AB =  5") << "the value list shows the recomputed value";
  EXPECT_EQ(calls[calls.size() - 2].text, "AB =  5") << "the snapshot was taken after the recomputation";
  EXPECT_EQ(app.fig.Points[b.index].check, kValid) << "check states of points are reset";
  EXPECT_EQ(app.fig.SnapshotNumbers[d.index].value, 5);
  EXPECT_EQ(shell.Caption(), "[tri.txt] Zomeda / Win 0.2.4");
  EXPECT_EQ(shell.Panel(1), "標準");
}

TEST_F(RenderTest, WithoutAxesTheRedrawStartsWithTheFigure) {
  AddPoint(1, 1, 0);
  Redraw(app);
  EXPECT_EQ(Kinds(), (std::vector<K>{K::kClear, K::kPixel, K::kText}));
}

// One shape of a mark, in multiples of a (half the mark size) around the point.
struct Shape {
  K kind;
  Vec2 a;
  Vec2 b;
  double radius = 0;
};

TEST_F(RenderTest, EveryMarkKindDrawsItsShape) {
  struct Case {
    std::int16_t kind;
    std::vector<Shape> shapes;
  };
  const std::vector<Case> cases = {
      {0, {{K::kPixel, {0, 0}, {}}}},
      {1, {{K::kLine, {1, 1}, {-1, -1}}, {K::kLine, {1, -1}, {-1, 1}}}},
      {2, {{K::kCircle, {0, 0}, {}, 0.8}}},
      {3, {{K::kBox, {-1, -1}, {1, 1}}}},
      {4, {{K::kFilledBox, {-1, -1}, {1, 1}}}},
      {5, {{K::kLine, {0, 1}, {-1, -1}}, {K::kLine, {0, 1}, {1, -1}}, {K::kLine, {1, -1}, {-1, -1}}}},
      {20, {{K::kCircle, {0, 0}, {}, 0.5}, {K::kCircle, {0, 0}, {}, 1}}},
      {21, {{K::kCircle, {0, 0}, {}, 0.5}}},
      {22, {{K::kCircle, {0, 0}, {}, 1}, {K::kLine, {0, 1}, {0, -1}}, {K::kLine, {1, 0}, {-1, 0}}}},
      {23, {{K::kCircle, {0, 0}, {}, 1}, {K::kLine, {1, 0}, {-1, 0}}}},
      {6, {}},
      {9, {}},
      {18, {}},
      {24, {}},
      {-1, {}},
  };
  const Vec2 at{2, -1};
  const double a = 5 * app.dp;
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "kind " << c.kind);
    surface.Forget();
    PointRec p;
    p.x = at.x;
    p.y = at.y;
    p.kind = c.kind;
    p.colour = 4;
    p.check = kValid;
    DrawPoint(app, p);
    ASSERT_EQ(Calls().size(), c.shapes.size());
    for (std::size_t i = 0; i < c.shapes.size(); ++i) {
      const Shape& s = c.shapes[i];
      const Drawn& d = Calls()[i];
      EXPECT_EQ(d.kind, s.kind);
      EXPECT_EQ(d.colour, (Rgb{128, 0, 0}));
      ExpectAt(d.a, {at.x + a * s.a.x, at.y + a * s.a.y}, "first point");
      if (s.kind == K::kCircle) {
        EXPECT_NEAR(d.radius, ToPixelLength(app, a * s.radius), 1e-9);
      } else if (s.kind != K::kPixel) {
        ExpectAt(d.b, {at.x + a * s.b.x, at.y + a * s.b.y}, "second point");
      }
    }
  }
}

TEST_F(RenderTest, PixelMarksTakeTheirColourFromKindAndColourCode) {
  struct Case {
    std::int16_t kind;
    std::int16_t colour;
    Rgb want;
  };
  const Rgb navy{0, 0, 128};
  const Rgb green{0, 128, 0};
  const Case cases[] = {
      {10, 7, navy},            // c = 0 equals kind - 10: c becomes 1
      {11, 7, kBackgroundGrey}, // c stays 0
      {10, 0, navy},            // colour 0 makes c 1
      {11, 0, green},           // ... and kind 11 moves it on to 2
      {12, 4, kBackgroundGrey},
      {17, 0, navy},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "kind " << c.kind << " colour " << c.colour);
    surface.Forget();
    PointRec p;
    p.kind = c.kind;
    p.colour = c.colour;
    p.check = kValid;
    DrawPoint(app, p);
    ASSERT_EQ(Calls().size(), 1u);
    EXPECT_EQ(Calls()[0].kind, K::kPixel);
    EXPECT_EQ(Calls()[0].colour, c.want);
  }
}

TEST_F(RenderTest, PointsBeyondAThousandAndCirclesAboveAThousandAreNotDrawn) {
  app.dp = 5;  // a view of about 1600 units each way, so that the limits lie inside it
  SetScreen(app);
  struct Case {
    const char* name;
    double x, y;
    std::int16_t check;
    bool drawn;
  };
  const Case points[] = {
      {"x = 1000", 1000, 0, kValid, true},
      {"x = 1000.0001", 1000.0001, 0, kValid, false},
      {"x = -1000", -1000, 0, kValid, true},
      {"y = -1000.0001", 0, -1000.0001, kValid, false},
      {"check 0", 0, 0, kInvalid, false},
      {"check 2 of the marking", 0, 0, kUnaffected, true},
      {"NaN x", kNaN, 0, kValid, false},
      {"NaN y", 0, kNaN, kValid, false},
  };
  for (const Case& c : points) {
    SCOPED_TRACE(c.name);
    surface.Forget();
    PointRec p;
    p.x = c.x;
    p.y = c.y;
    p.check = c.check;
    p.colour = 7;
    DrawPoint(app, p);
    EXPECT_EQ(Calls().size(), c.drawn ? 1u : 0u);
  }
  struct CircleCase {
    const char* name;
    double radius;
    std::int16_t check;
    bool drawn;
  };
  const CircleCase circles[] = {
      {"radius 1000", 1000, kValid, true},
      {"radius 1000.0001", 1000.0001, kValid, false},
      {"check 0", 10, kInvalid, false},
      {"NaN radius", kNaN, kValid, false},
  };
  for (const CircleCase& c : circles) {
    SCOPED_TRACE(c.name);
    surface.Forget();
    CircleRec rec;
    rec.radius = c.radius;
    rec.check = c.check;
    rec.colour = 7;
    DrawCircle(app, rec);
    EXPECT_EQ(Calls().size(), c.drawn ? 1u : 0u);
  }
}

TEST_F(RenderTest, LineKindsReachAcrossTheWindowOrStopAtTheirEnds) {
  struct Case {
    std::int16_t kind;
    bool drawn;
    double fromX, toX;  // pixels, on the row of y = 1
  };
  const double x1 = ToPixel(app, {1, 1}).x;
  const double x2 = ToPixel(app, {2, 1}).x;
  // Long lines are cut at the window with a margin of four pen widths.
  const Case cases[] = {
      {0, true, -4, 644},
      {1, true, x1, x2},
      {2, true, x1, 644},
      {3, true, x2, -4},
      {4, false, 0, 0},
      {-1, false, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "kind " << c.kind);
    surface.Forget();
    LineRec l;
    l.end1 = {1, 1};
    l.end2 = {2, 1};
    l.direction = {1, 0};
    l.kind = c.kind;
    l.colour = 2;
    l.check = kValid;
    DrawLine(app, l);
    ASSERT_EQ(Calls().size(), c.drawn ? 1u : 0u);
    if (!c.drawn) continue;
    const Drawn& d = Calls()[0];
    EXPECT_NEAR(d.a.x, c.fromX, 1e-9);
    EXPECT_NEAR(d.b.x, c.toX, 1e-9);
    EXPECT_NEAR(d.a.y, ToPixel(app, {0, 1}).y, 1e-9);
    EXPECT_EQ(d.colour, (Rgb{0, 128, 0}));
    EXPECT_EQ(d.pen.style, LineStyle::kSolid);
  }
}

TEST_F(RenderTest, LinesThatCannotShowOrHaveNoPositionAreNotDrawn) {
  struct Case {
    const char* name;
    Vec2 end1, end2;
    std::int16_t kind;
    std::int16_t check;
  };
  const Case cases[] = {
      {"invalid", {0, 0}, {1, 0}, 0, kInvalid},
      {"segment outside the view", {100, 100}, {200, 100}, 1, kValid},
      {"line anchored far beyond its reach", {1e6, 0}, {1e6, 1}, 0, kValid},
      {"NaN end", {kNaN, 0}, {1, 0}, 1, kValid},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    surface.Forget();
    const ObjRef ref = AddLine(c.end1, c.end2, c.kind);
    app.fig.Lines[ref.index].check = c.check;
    DrawObject(app, ref, kDrawOwn);
    EXPECT_TRUE(Calls().empty());
  }
}

TEST_F(RenderTest, ColorOfFollowsThePaletteAndReportsCodesOutsideIt) {
  const Rgb want[16] = {{192, 192, 192}, {0, 0, 128},   {0, 128, 0},   {0, 128, 128},
                        {128, 0, 0},     {128, 0, 128}, {128, 128, 0}, {0, 0, 0},
                        {128, 128, 128}, {0, 0, 255},   {0, 255, 0},   {0, 255, 255},
                        {255, 0, 0},     {255, 0, 255}, {255, 255, 0}, {255, 255, 255}};
  for (std::int16_t code = 0; code < 16; ++code) {
    SCOPED_TRACE(code);
    EXPECT_EQ(ColorOf(shell, code), want[code]);
  }
  EXPECT_TRUE(shell.Log().empty());
  EXPECT_EQ(ColorOf(shell, 16), kBackgroundGrey);
  EXPECT_EQ(ColorOf(shell, -1), kBackgroundGrey);
  EXPECT_EQ(Messages(), (std::vector<std::string>{"16", "-1"}));
}

TEST_F(RenderTest, AnObjectWithAColourOutsideThePaletteIsDrawnInvisiblyAfterTheMessage) {
  DrawObject(app, AddCircle({0, 0}, 2, 16), kDrawOwn);
  ASSERT_EQ(Calls().size(), 1u);
  EXPECT_EQ(Calls()[0].colour, kBackgroundGrey);
  EXPECT_EQ(Messages(), std::vector<std::string>{"16"});
}

TEST_F(RenderTest, DrawObjectResolvesTheColourCodeAndPlacesTheLabel) {
  struct Case {
    std::int16_t code;
    std::int16_t colour;
    Rgb mark;
    bool labelFromSnapshot;  // erased at the snapshot place in grey, else black at the current place
  };
  const Rgb darkRed{128, 0, 0};
  const Rgb blue{0, 0, 255};
  const Case cases[] = {
      {kDrawOwn, 4, darkRed, false},
      {kDrawOwn, 0, kBackgroundGrey, false},
      {3, 0, {0, 128, 128}, false},  // codes 1 ... 7 colour an object of colour 0
      {3, 4, darkRed, false},        // ... and leave others alone
      {kDrawLocus, 4, blue, true},
      {kDrawLocus, 0, blue, true},
      {kDrawErase, 4, kBackgroundGrey, true},
      {27, 4, kBlack, true},  // forced to code 7
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "code " << c.code << " colour " << c.colour);
    surface.Forget();
    app.fig.ObjCount[kPoint] = 0;
    const ObjRef ref = AddPoint(1, 1, 0, c.colour);
    app.fig.Points[ref.index].locusColour = 9;
    app.fig.SnapshotPoints[ref.index].x = 2;
    DrawObject(app, ref, c.code);
    ASSERT_EQ(Kinds(), (std::vector<K>{K::kPixel, K::kText}));
    EXPECT_EQ(Calls()[0].colour, c.mark);
    ExpectAt(Calls()[0].a, {1, 1}, "the mark at the current place");
    EXPECT_EQ(app.fig.Points[ref.index].colour, c.colour) << "the record keeps its colour";
    const Drawn& label = Calls()[1];
    EXPECT_EQ(label.text, "A");
    EXPECT_EQ(label.colour, c.labelFromSnapshot ? kBackgroundGrey : kBlack);
    ExpectAt(label.a, {c.labelFromSnapshot ? 2.0 : 1.0, 1}, "the label's top-left corner");
  }
}

TEST_F(RenderTest, DrawObjectOfLinesAndCirclesErasesWithoutLabelsAndNumbersDrawNothing) {
  DrawObject(app, AddLine({0, 0}, {1, 0}, 1, 4), kDrawErase);
  DrawObject(app, AddCircle({0, 0}, 1, 4), kDrawErase);
  DrawObject(app, AddNumber("x", 1), kDrawOwn);
  EXPECT_EQ(Kinds(), (std::vector<K>{K::kLine, K::kCircle}));
  for (const Drawn& d : Calls()) EXPECT_EQ(d.colour, kBackgroundGrey);
}

TEST_F(RenderTest, DrawFigureDrawsPointsThenLinesThenCirclesAndSkipsColourZeroAndDragMarks) {
  AddCircle({0, 0}, 1);
  AddLine({0, 0}, {1, 0}, 1);
  AddPoint(1, 1, 0);
  AddPoint(2, 2, 0, 0);  // colour 0: neither mark nor label
  AddPoint(3, 3, 12);    // drawn by the drag only
  AddPoint(4, 4, 0);
  AddLine({0, 0}, {0, 1}, 1, 0);
  DrawFigure(app);
  EXPECT_EQ(Kinds(), (std::vector<K>{K::kPixel, K::kText, K::kPixel, K::kText, K::kLine, K::kCircle}));
  EXPECT_EQ(Calls()[1].text, "A");
  EXPECT_EQ(Calls()[3].text, "D");
}

TEST_F(RenderTest, LabelsFollowTheTextSwitchTheModeAndTheView) {
  struct Case {
    const char* name;
    std::int16_t notChrDisp;
    std::int16_t mode;
    std::int16_t code;
    bool printed;
  };
  const Case cases[] = {
      {"labels on, standard mode", kFalse, kModeStandard, 7, true},
      {"labels off, standard mode", kTrue, kModeStandard, 7, false},
      {"labels off, dragging", kTrue, kModeDeform, 7, false},
      {"labels off, updating after a step", kTrue, kModeComputing, 7, false},
      {"labels off, picking", kTrue, kModeSelect, 7, true},
      {"labels off, erasing still erases", kTrue, kModeStandard, 0, true},
  };
  const ObjRef ref = AddPoint(1, 1);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    surface.Forget();
    app.NotChrDisp = c.notChrDisp;
    PushMode(app, c.mode);
    DrawLabel(app, ref, c.code, false);
    PopMode(app);
    EXPECT_EQ(Calls().size(), c.printed ? 1u : 0u);
  }
}

TEST_F(RenderTest, LabelsOutsideTheViewOrOfMissingPointsAreNotPrinted) {
  struct Case {
    const char* name;
    double x, y;
    std::int16_t check;
    bool printed;
  };
  const Case cases[] = {
      {"on the right edge", 15.975, 0, kValid, true},
      {"beyond it by less than single precision sees", 15.975 + 1e-9, 0, kValid, true},
      {"just outside", 15.976, 0, kValid, false},
      {"below the bottom edge", 0, -12, kValid, false},
      {"check 0", 0, 0, kInvalid, false},
      {"NaN", kNaN, 0, kValid, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    surface.Forget();
    app.fig.ObjCount[kPoint] = 0;
    const ObjRef ref = AddPoint(c.x, c.y);
    app.fig.Points[ref.index].check = c.check;
    DrawLabel(app, ref, 7, false);
    EXPECT_EQ(Calls().size(), c.printed ? 1u : 0u);
  }
  surface.Forget();
  DrawLabel(app, AddLine({0, 0}, {1, 0}), 7, false);
  EXPECT_TRUE(Calls().empty()) << "only points have labels";
}

TEST_F(RenderTest, ALabelPrintsTheNameWithoutTrailingBlanksAtTheCurrentFontSize) {
  const ObjRef ref = AddPoint(-1, 2);
  SetName(app.fig, ref, "点Ｐ1");
  app.fontSize = 14;
  DrawLabel(app, ref, 7, false);
  ASSERT_EQ(Calls().size(), 1u);
  EXPECT_EQ(Calls()[0].text, "点Ｐ1");
  EXPECT_EQ(Calls()[0].fontSize, 14);
  ExpectAt(Calls()[0].a, {-1, 2}, "top-left corner at the point");
}

TEST_F(RenderTest, ShapesFarOutsideTheViewNeverReachTheSurface) {
  app.dp = kDefaultDp / 256;  // the deepest zoom: points at 999 lie five million pixels away
  SetScreen(app);
  AddPoint(999, -999, 1);
  AddPoint(999, 999, 2);
  AddPoint(-999, 0, 4);
  AddCircle({999, 999}, 3);   // wholly outside
  AddCircle({0, 0}, 999);     // the view lies wholly inside it
  AddLine({-999, 999}, {999, 999}, 1);
  DrawFigure(app);
  EXPECT_TRUE(Calls().empty());
}

TEST_F(RenderTest, AHugeCircleThroughTheViewIsDrawnAsShortChordsInsideTheWindow) {
  app.dp = kDefaultDp / 256;
  SetScreen(app);
  // Through the origin, 5.1 million pixels in radius; radii are measured with the horizontal
  // scale, so the centre lies to the left.
  const Vec2 centre{-1000, 0};
  DrawCircle(app, [&] {
    CircleRec c;
    c.centre = centre;
    c.radius = 1000;
    c.check = kValid;
    c.colour = 7;
    return c;
  }());
  ASSERT_FALSE(Calls().empty());
  EXPECT_LE(Calls().size(), static_cast<std::size_t>(kMaxArcChords));
  const PixelPoint c = ToPixel(app, centre);
  const double r = ToPixelLength(app, 1000);
  ASSERT_GT(r, kMaxSurfaceRadius);
  double topmost = 1e9;
  double bottommost = -1e9;
  for (const Drawn& d : Calls()) {
    ASSERT_EQ(d.kind, K::kLine);
    for (PixelPoint p : {d.a, d.b}) {
      EXPECT_GE(p.x, -4);
      EXPECT_LE(p.x, 644);
      EXPECT_GE(p.y, -4);
      EXPECT_LE(p.y, 484);
      EXPECT_NEAR(std::hypot(p.x - c.x, p.y - c.y), r, 0.5) << "on the circle";
      topmost = std::min(topmost, p.y);
      bottommost = std::max(bottommost, p.y);
    }
  }
  EXPECT_NEAR(topmost, -4, 1e-6) << "the arc crosses the whole window";
  EXPECT_NEAR(bottommost, 484, 1e-6);
}

TEST_F(RenderTest, ACircleWithinTheSurfacesReachIsHandedOverWhole) {
  DrawCircle(app, [] {
    CircleRec c;
    c.centre = {20, 0};
    c.radius = 10;
    c.check = kValid;
    c.colour = 7;
    return c;
  }());
  ASSERT_EQ(Calls().size(), 1u);
  EXPECT_EQ(Calls()[0].kind, K::kCircle);
  EXPECT_NEAR(Calls()[0].radius, ToPixelLength(app, 10), 1e-9);
}

}  // namespace
}  // namespace zm::viewtest
