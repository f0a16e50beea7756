#pragma once
// The surface calls painted with a QPainter, antialiased: for pictures written to files (PNG
// through a QImage, SVG through QSvgGenerator), which come from one full redraw and are never
// erased by overdrawing. Pixel positions follow the window's rule (pixel (i, j) is centred on
// the point (i, j), qt/pixel_canvas.h), so a line at y = 10 runs along the centres of row 10.

#include <QPainter>

#include "platform/surface.h"

namespace zm {

class PainterSurface : public Surface {
 public:
  // `painter` is active on a device of `size` pixels and stays so while this surface is used.
  PainterSurface(QPainter& painter, PixelSize size);

  PixelSize ClientSize() const override { return size_; }
  void Clear(Rgb background) override;
  void Line(PixelPoint from, PixelPoint to, Rgb colour, Pen pen) override;
  void Box(PixelPoint corner1, PixelPoint corner2, Rgb colour, Pen pen) override;
  void FilledBox(PixelPoint corner1, PixelPoint corner2, Rgb colour) override;
  void Circle(PixelPoint centre, double radius, Rgb colour, Pen pen) override;
  void Pixel(PixelPoint at, Rgb colour) override;
  void Text(PixelPoint at, std::string_view utf8, Rgb colour, int fontSize) override;
  double TextWidth(std::string_view utf8, int fontSize) const override;

 private:
  QPainter& painter_;
  PixelSize size_;
};

}  // namespace zm
