#include "qt/raster_surface.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "qt/gui_session.h"

namespace zm {
namespace {

constexpr Rgb kGrey{192, 192, 192};
constexpr Rgb kBlack{0, 0, 0};
constexpr Pen kThin{1, LineStyle::kSolid};
constexpr Pen kDotted{1, LineStyle::kDotted};
constexpr Pen kWide{3, LineStyle::kSolid};
constexpr Pen kWideDotted{3, LineStyle::kDotted};

struct Spot {
  int x, y;
  bool set;  // drawn in black, else still the background
};

using Draw = std::function<void(Surface&, Rgb)>;

struct Case {
  std::string name;
  Draw draw;
  std::vector<Spot> spots;
};

QRgb Black() { return qRgb(0, 0, 0); }
QRgb Grey() { return qRgb(kGrey.r, kGrey.g, kGrey.b); }

int CountDiffering(const QImage& a, const QImage& b) {
  int n = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) n += a.pixel(x, y) != b.pixel(x, y);
  return n;
}

// Text needs the application; every case starts on a grey 100 x 80 picture.
class RasterSurfaceTest : public ::testing::Test {
 protected:
  GuiSession gui;
};

const std::vector<Case>& ShapeCases() {
  static const std::vector<Case> cases = {
      {"horizontal line from pixel to pixel, both ends included",
       [](Surface& s, Rgb c) { s.Line({10, 20}, {30, 20}, c, kThin); },
       {{10, 20, true}, {20, 20, true}, {30, 20, true}, {9, 20, false}, {31, 20, false}, {20, 21, false}}},
      {"a point stands for the pixel whose centre is nearest",
       [](Surface& s, Rgb c) { s.Line({10.4, 40.4}, {12.6, 39.6}, c, kThin); },
       {{10, 40, true}, {13, 40, true}, {9, 40, false}, {14, 40, false}, {11, 41, false}}},
      {"diagonal line",
       [](Surface& s, Rgb c) { s.Line({5, 5}, {25, 25}, c, kThin); },
       {{5, 5, true}, {15, 15, true}, {25, 25, true}, {16, 15, false}}},
      {"dotted line: one pixel set, two left",
       [](Surface& s, Rgb c) { s.Line({10, 30}, {19, 30}, c, kDotted); },
       {{10, 30, true}, {11, 30, false}, {12, 30, false}, {13, 30, true}, {16, 30, true}, {19, 30, true}}},
      {"wide line: the pen's width across, square ends",
       [](Surface& s, Rgb c) { s.Line({20, 50}, {60, 50}, c, kWide); },
       {{40, 49, true}, {40, 50, true}, {40, 51, true}, {40, 52, false}, {40, 48, false}, {19, 50, true},
        {61, 50, true}, {18, 50, false}, {62, 50, false}}},
      {"wide dotted line: dashes of the pen's width",
       [](Surface& s, Rgb c) { s.Line({20, 60}, {60, 60}, c, kWideDotted); },
       {{20, 60, true}, {22, 60, true}, {23, 60, false}, {28, 60, false}, {29, 60, true}, {29, 61, true}}},
      {"a line reaching far beyond the picture is clipped, not lost",
       [](Surface& s, Rgb c) { s.Line({-1e9, 70}, {1e9, 70}, c, kThin); },
       {{0, 70, true}, {50, 70, true}, {99, 70, true}, {50, 69, false}}},
      {"a line on the far edge lies outside",
       [](Surface& s, Rgb c) { s.Line({100, 0}, {100, 79}, c, kThin); }, {{99, 40, false}}},
      {"coordinates that are not finite draw nothing",
       [](Surface& s, Rgb c) {
         s.Line({NAN, 10}, {20, 10}, c, kThin);
         s.Circle({50, INFINITY}, 10, c, kThin);
         s.Pixel({NAN, NAN}, c);
         s.Text({NAN, 5}, "A", c, 12);
       },
       {}},
      {"circle: a thin closed ring about the centre",
       [](Surface& s, Rgb c) { s.Circle({50, 40}, 10, c, kThin); },
       {{60, 40, true}, {40, 40, true}, {50, 30, true}, {50, 50, true}, {60, 39, true}, {50, 40, false},
        {59, 40, false}, {61, 40, false}, {50, 29, false}, {50, 51, false}}},
      {"wide circle: the pen's width about the thin ring",
       [](Surface& s, Rgb c) { s.Circle({50, 40}, 10, c, kWide); },
       {{59, 40, true}, {60, 40, true}, {61, 40, true}, {58, 40, false}, {62, 40, false}, {50, 29, true}}},
      {"huge circle: the arc through the picture, exact where it is shown",
       [](Surface& s, Rgb c) { s.Circle({50, 40 + 1e6}, 1e6, c, kThin); },
       {{50, 40, true}, {50, 39, false}, {50, 41, false}}},
      {"pixel",
       [](Surface& s, Rgb c) { s.Pixel({5.7, 6.2}, c); },
       {{6, 6, true}, {5, 6, false}, {6, 7, false}}},
      {"box outline through the corner pixels",
       [](Surface& s, Rgb c) { s.Box({30, 20}, {10, 10}, c, kThin); },
       {{10, 10, true}, {30, 20, true}, {20, 10, true}, {10, 15, true}, {20, 15, false}, {31, 20, false}}},
      {"filled box covers the corner pixels and all between",
       [](Surface& s, Rgb c) { s.FilledBox({14, 12}, {10, 10}, c); },
       {{10, 10, true}, {14, 12, true}, {12, 11, true}, {15, 12, false}, {14, 13, false}, {9, 10, false}}},
  };
  return cases;
}

TEST_F(RasterSurfaceTest, PaintsWhatItIsTold) {
  for (const Case& c : ShapeCases()) {
    SCOPED_TRACE(c.name);
    RasterSurface surface({100, 80});
    surface.Clear(kGrey);
    c.draw(surface, kBlack);
    for (const Spot& spot : c.spots) {
      SCOPED_TRACE(::testing::Message() << "pixel " << spot.x << "," << spot.y);
      EXPECT_EQ(surface.Image().pixel(spot.x, spot.y), spot.set ? Black() : Grey());
    }
  }
}

TEST_F(RasterSurfaceTest, ClearPaintsEveryPixel) {
  RasterSurface surface({7, 5});
  surface.Clear({1, 2, 3});
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 7; ++x) ASSERT_EQ(surface.Image().pixel(x, y), qRgb(1, 2, 3));
}

// The text's top-left corner is at the position: ink below and right of it, none above or far
// to the left, and in the colour asked for.
TEST_F(RasterSurfaceTest, TextHangsBelowAndRightOfItsPosition) {
  for (const std::string text : {"A", "点", "∠ABC"}) {
    SCOPED_TRACE(text);
    RasterSurface surface({100, 80});
    surface.Clear(kGrey);
    surface.Text({20, 30}, text, {255, 0, 0}, 20);
    int inked = 0, misplaced = 0;
    for (int y = 0; y < 80; ++y)
      for (int x = 0; x < 100; ++x) {
        const QRgb p = surface.Image().pixel(x, y);
        if (p == Grey()) continue;
        EXPECT_EQ(p, qRgb(255, 0, 0));
        ++inked;
        misplaced += y < 30 || x < 18 || x > 20 + surface.TextWidth(text, 20) + 2;
      }
    EXPECT_GT(inked, 10);
    EXPECT_EQ(misplaced, 0);
  }
}

// The value list pads names with blanks to one character count; in a fixed-pitch face with
// Japanese glyphs every half-width character is equally wide and a full-width one twice that.
TEST_F(RasterSurfaceTest, TextWidthIsFixedPitchAndAddsUp) {
  for (const Smoothing smoothing : {Smoothing::kAliased, Smoothing::kAntialiased}) {
    SCOPED_TRACE(smoothing == Smoothing::kAliased ? "aliased" : "antialiased");
    RasterSurface surface({10, 10}, smoothing);
    const double a = surface.TextWidth("A", 12);
    EXPECT_GT(a, 3);
    EXPECT_DOUBLE_EQ(surface.TextWidth("i", 12), a);
    EXPECT_NEAR(surface.TextWidth(" 3:AB = 5.385", 12), 13 * a, 0.01);
    EXPECT_NEAR(surface.TextWidth("点", 12), 2 * a, 0.01);
    EXPECT_EQ(surface.TextWidth("", 12), 0);
    EXPECT_GT(surface.TextWidth("A", 24), surface.TextWidth("A", 12));
  }
}

// The window erases an object by drawing it again in the background colour: that must take
// away every pixel the first drawing set, which antialiased edges would not.
TEST_F(RasterSurfaceTest, DrawingAgainInTheBackgroundLeavesNothingBehind) {
  std::vector<Case> cases = ShapeCases();
  cases.push_back({"texts", [](Surface& s, Rgb c) {
                     s.Text({10.3, 10.7}, "Aj", c, 9);
                     s.Text({30, 40}, " 12:∠ABC = 45.25", c, 12);
                     s.Text({-5, 70}, "点Ｐ", c, 30);
                   }, {}});
  cases.push_back({"steep and shallow lines", [](Surface& s, Rgb c) {
                     s.Line({3.3, -50}, {97.1, 130}, c, kThin);
                     s.Line({-20, 11.6}, {140, 27.2}, c, kWide);
                     s.Line({90, 5}, {2, 77}, c, {10, LineStyle::kDotted});
                   }, {}});
  cases.push_back({"small circles and rings", [](Surface& s, Rgb c) {
                     for (double r : {0.2, 2.0, 4.0, 5.5, 33.3}) s.Circle({50.4, 40.6}, r, c, kThin);
                     s.Circle({10, 10}, 25, c, {4, LineStyle::kSolid});
                   }, {}});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RasterSurface surface({100, 80});
    surface.Clear(kGrey);
    const QImage empty = surface.Image().copy();
    c.draw(surface, kBlack);
    const int drawn = CountDiffering(surface.Image(), empty);
    c.draw(surface, kGrey);
    EXPECT_EQ(CountDiffering(surface.Image(), empty), 0) << drawn << " pixels were drawn";
  }
}

// Pictures for files are antialiased but keep the window's pixel positions.
TEST_F(RasterSurfaceTest, AntialiasedPictureKeepsThePixelPositions) {
  RasterSurface surface({100, 80}, Smoothing::kAntialiased);
  surface.Clear(kGrey);
  surface.Line({10, 20}, {30, 20}, kBlack, kThin);
  surface.FilledBox({40, 40}, {44, 42}, kBlack);
  surface.Pixel({60.2, 59.8}, kBlack);
  for (const Spot& spot : std::vector<Spot>{{20, 20, true}, {20, 19, false}, {20, 21, false}, {40, 40, true},
                                            {44, 42, true}, {45, 42, false}, {60, 60, true}, {61, 60, false}}) {
    SCOPED_TRACE(::testing::Message() << "pixel " << spot.x << "," << spot.y);
    EXPECT_EQ(surface.Image().pixel(spot.x, spot.y), spot.set ? Black() : Grey());
  }
}

TEST_F(RasterSurfaceTest, ResizeGivesAFreshPictureOfTheNewSize) {
  for (const Smoothing smoothing : {Smoothing::kAliased, Smoothing::kAntialiased}) {
    RasterSurface surface({100, 80}, smoothing);
    surface.Clear(kBlack);
    surface.Resize({30, 20});
    EXPECT_EQ(surface.ClientSize().width, 30);
    EXPECT_EQ(surface.ClientSize().height, 20);
    EXPECT_EQ(surface.Image().pixel(29, 19), Grey());
    surface.Line({0, 19}, {29, 19}, kBlack, kThin);
    EXPECT_EQ(surface.Image().pixel(29, 19), Black());
  }
}

}  // namespace
}  // namespace zm
