#include "view/world_shapes.h"

#include <algorithm>
#include <cmath>

#include "view/clip.h"
#include "view/viewport.h"

namespace zm {

namespace {

// How far beyond the window, in pen widths, shapes are still handed to the surface.
constexpr int kMarginPens = 4;

PixelRect ClipRect(const App& app, Pen pen) {
  const PixelSize size = app.surface.ClientSize();
  const double margin = kMarginPens * std::max(pen.width, 1);
  return {-margin, -margin, size.width + margin, size.height + margin};
}

bool Meets(PixelPoint a, PixelPoint b, const PixelRect& rect) {
  return std::isfinite(a.x) && std::isfinite(a.y) && std::isfinite(b.x) && std::isfinite(b.y) &&
         std::max(a.x, b.x) >= rect.left && std::min(a.x, b.x) <= rect.right && std::max(a.y, b.y) >= rect.top &&
         std::min(a.y, b.y) <= rect.bottom;
}

PixelPoint OnCircle(PixelPoint centre, double radius, double angle) {
  return {centre.x + radius * std::cos(angle), centre.y + radius * std::sin(angle)};
}

}  // namespace

void DrawWorldLine(App& app, Vec2 from, Vec2 to, Rgb colour, Pen pen) {
  if (ViewIsEmpty(app)) return;
  if (const auto part = ClipSegment(ToPixel(app, from), ToPixel(app, to), ClipRect(app, pen)))
    app.surface.Line(part->from, part->to, colour, pen);
}

void DrawWorldCircle(App& app, Vec2 centre, double radius, Rgb colour, Pen pen) {
  if (ViewIsEmpty(app)) return;
  const PixelPoint c = ToPixel(app, centre);
  const double r = ToPixelLength(app, radius);
  const PixelRect rect = ClipRect(app, pen);
  if (!CircleMayShow(c, r, rect)) return;
  if (r <= kMaxSurfaceRadius) {
    app.surface.Circle(c, r, colour, pen);
    return;
  }
  // A rasteriser given a radius of millions of pixels is slow or imprecise; a few chords of the
  // visible arc are within a quarter pixel of it.
  const ArcChords arc = VisibleArc(c, r, rect);
  PixelPoint previous = OnCircle(c, r, arc.start);
  for (int i = 1; i <= arc.count; ++i) {
    const PixelPoint next = OnCircle(c, r, arc.start + i * arc.step);
    if (const auto part = ClipSegment(previous, next, rect)) app.surface.Line(part->from, part->to, colour, pen);
    previous = next;
  }
}

void DrawWorldBox(App& app, Vec2 corner1, Vec2 corner2, Rgb colour, Pen pen, bool filled) {
  if (ViewIsEmpty(app)) return;
  const PixelPoint a = ToPixel(app, corner1);
  const PixelPoint b = ToPixel(app, corner2);
  if (!Meets(a, b, ClipRect(app, pen))) return;
  if (filled)
    app.surface.FilledBox(a, b, colour);
  else
    app.surface.Box(a, b, colour, pen);
}

void DrawWorldPixel(App& app, Vec2 at, Rgb colour) {
  if (ViewIsEmpty(app)) return;
  const PixelPoint p = ToPixel(app, at);
  if (Meets(p, p, ClipRect(app, Pen{}))) app.surface.Pixel(p, colour);
}

}  // namespace zm
