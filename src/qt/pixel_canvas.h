#pragma once
// Aliased drawing straight into a 32-bit pixel buffer, for the window's picture. A drag step
// erases every object by drawing it again in the background colour, so the same call must
// always set exactly the same pixels, and it must be fast: a 1-pixel line costs about a
// nanosecond per pixel here against some fifteen through QPainter's raster engine.
//
// Pixel (i, j) is centred on the point (i, j): a point stands for the pixel whose centre is
// nearest, and a shape with an extent (a wide line, a circle) covers the pixels whose centres
// it holds, so a circle mark is centred on its point's pixel. A QPainter translated by half a
// pixel paints by the same rule (qt/painter_surface.h).
// Everything is clipped to the buffer; coordinates that are not finite draw nothing.

#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/surface.h"

namespace zm {

// 0xffRRGGBB, the layout of QImage::Format_RGB32.
using Argb = std::uint32_t;

constexpr Argb ToArgb(Rgb c) {
  return 0xff000000u | (Argb{c.r} << 16) | (Argb{c.g} << 8) | Argb{c.b};
}

// A run of pixels [x0, x1] in row `row`, relative to a drawing origin: masks of glyphs.
struct MaskSpan {
  int row = 0;
  int x0 = 0;
  int x1 = 0;
};

class PixelCanvas {
 public:
  // `stride` counts pixels from one row to the next. The buffer is not owned.
  PixelCanvas(Argb* bits, int width, int height, std::ptrdiff_t stride)
      : bits_(bits), width_(width), height_(height), stride_(stride) {}

  void Fill(Argb colour);
  void Line(PixelPoint from, PixelPoint to, Argb colour, Pen pen);
  void Box(PixelPoint corner1, PixelPoint corner2, Argb colour, Pen pen);
  // Every pixel from the one holding corner 1 to the one holding corner 2, both included: the
  // area a Box outline with the same corners encloses, outline included.
  void FilledBox(PixelPoint corner1, PixelPoint corner2, Argb colour);
  void Circle(PixelPoint centre, double radius, Argb colour, Pen pen);
  void Pixel(PixelPoint at, Argb colour);
  // The spans placed with their origin in pixel (x, y).
  void Mask(int x, int y, std::span<const MaskSpan> spans, Argb colour);

 private:
  // Inline: circles set one or two pixels per row, and a call would cost more than they do.
  void Span(int row, int x0, int x1, Argb colour) {
    if (row < 0 || row >= height_) return;
    if (x0 < 0) x0 = 0;
    if (x1 >= width_) x1 = width_ - 1;
    if (x0 > x1) return;
    Argb* line = bits_ + row * stride_;
    for (int x = x0; x <= x1; ++x) line[x] = colour;
  }
  void Plot(int x, int y, Argb colour);
  void ThinLine(PixelPoint from, PixelPoint to, Argb colour, bool dotted);
  void WideLine(PixelPoint from, PixelPoint to, Argb colour, Pen pen);
  void Band(PixelPoint from, PixelPoint to, double halfWidth, double capLength, Argb colour);
  void ThinCircle(PixelPoint centre, double radius, Argb colour);
  void Ring(PixelPoint centre, double inner, double outer, Argb colour);

  Argb* bits_;
  int width_;
  int height_;
  std::ptrdiff_t stride_;
};

}  // namespace zm
