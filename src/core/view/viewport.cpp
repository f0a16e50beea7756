#include "view/viewport.h"

#include <cmath>
#include <cstdint>
#include <string_view>

#include "view/render.h"

namespace zm {

namespace {

constexpr double kSmallestDp = 0.0001;
constexpr std::string_view kZoomLimitMessage = "そろそろ限界ですので,元の画面に戻します";

// Grey of the grid and axes while they are shown, and the near-background grey that fades them
// out when the option is switched off.
constexpr std::uint8_t kAxisGreyOn = 170;
constexpr std::uint8_t kAxisGreyOff = 190;

// A view without extent maps everything to the top-left corner rather than divide by zero.
bool HasExtent(const App& app) { return app.MaxOfX > 0 && app.MaxOfY > 0; }

void Rescale(App& app) {
  SetScreen(app);
  Redraw(app);
}

// The pixel positions of the grid lines along a side of `pixels` showing -half ... half: one per
// integer from -floor(half) to floor(half). When there are more of them than pixels they merge
// into every pixel anyway, so then one line per pixel is drawn instead, which bounds the cost
// by the window size at any scale.
template <class ToPixelAlong, class LineAt>
void GridLines(double half, int pixels, ToPixelAlong toPixel, LineAt lineAt) {
  const double last = std::floor(half);
  if (2 * last + 1 <= pixels) {
    for (double v = -last; v <= last; ++v) lineAt(toPixel(v));
  } else {
    for (int p = 0; p < pixels; ++p) lineAt(static_cast<double>(p));
  }
}

}  // namespace

void SetScreen(App& app) {
  const PixelSize size = app.surface.ClientSize();
  app.MaxOfX = 0;
  app.MaxOfY = 0;
  // A minimised window, or a scale so coarse that the view overflows, shows nothing.
  if (size.width < 2 || size.height < 2) return;
  const double maxX = (size.width - 1) * app.dp / 2;
  const double maxY = (size.height - 1) * app.dp / 2;
  if (!std::isfinite(maxX) || !std::isfinite(maxY)) return;
  app.MaxOfX = maxX;
  app.MaxOfY = maxY;
}

bool ViewIsEmpty(const App& app) {
  const PixelSize size = app.surface.ClientSize();
  return !HasExtent(app) || !std::isfinite(app.MaxOfX) || !std::isfinite(app.MaxOfY) || size.width < 2 ||
         size.height < 2;
}

PixelPoint ToPixel(const App& app, Vec2 world) {
  const PixelSize size = app.surface.ClientSize();
  if (!HasExtent(app)) return {};
  return {(world.x + app.MaxOfX) * size.width / (2 * app.MaxOfX),
          (app.MaxOfY - world.y) * size.height / (2 * app.MaxOfY)};
}

Vec2 ToWorld(const App& app, PixelPoint pixel) {
  const PixelSize size = app.surface.ClientSize();
  if (size.width <= 0 || size.height <= 0) return {-app.MaxOfX, app.MaxOfY};
  return {-app.MaxOfX + pixel.x * 2 * app.MaxOfX / size.width, app.MaxOfY - pixel.y * 2 * app.MaxOfY / size.height};
}

double ToPixelLength(const App& app, double worldLength) {
  if (!HasExtent(app)) return 0;
  return worldLength * app.surface.ClientSize().width / (2 * app.MaxOfX);
}

void ZoomIn(App& app) {
  app.dp /= 2;
  if (app.dp < kSmallestDp) {
    app.shell.MessageBox(kZoomLimitMessage);
    app.dp = kDefaultDp;
  }
  Rescale(app);
}

void ZoomOut(App& app) {
  // Zooming out has no limit, except that the scale stays a finite number.
  if (std::isfinite(app.dp * 2)) app.dp *= 2;
  Rescale(app);
}

void ZoomDefault(App& app) {
  app.dp = kDefaultDp;
  Rescale(app);
}

void axis(App& app) {
  if (ViewIsEmpty(app)) return;
  const std::uint8_t g = app.AxisSW != kFalse ? kAxisGreyOn : kAxisGreyOff;
  const Rgb grey{g, g, g};
  const Pen dotted{app.penWidth, LineStyle::kDotted};
  const Pen solid{app.penWidth, LineStyle::kSolid};
  const PixelSize size = app.surface.ClientSize();
  const double top = ToPixel(app, {0, app.MaxOfY}).y;
  const double bottom = ToPixel(app, {0, -app.MaxOfY}).y;
  const double left = ToPixel(app, {-app.MaxOfX, 0}).x;
  const double right = ToPixel(app, {app.MaxOfX, 0}).x;

  GridLines(
      app.MaxOfX, size.width, [&](double x) { return ToPixel(app, {x, 0}).x; },
      [&](double px) { app.surface.Line({px, bottom}, {px, top}, grey, dotted); });
  GridLines(
      app.MaxOfY, size.height, [&](double y) { return ToPixel(app, {0, y}).y; },
      [&](double py) { app.surface.Line({left, py}, {right, py}, grey, dotted); });
  const PixelPoint origin = ToPixel(app, {0, 0});
  app.surface.Line({origin.x, bottom}, {origin.x, top}, grey, solid);
  app.surface.Line({left, origin.y}, {right, origin.y}, grey, solid);
}

}  // namespace zm
