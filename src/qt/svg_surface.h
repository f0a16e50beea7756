#pragma once
// The surface calls written as an SVG document of the client size, through QSvgGenerator and
// an antialiased QPainter: a scalable picture of one full redraw.

#include <QBuffer>
#include <QByteArray>
#include <QPainter>
#include <QSvgGenerator>
#include <string>

#include "qt/painter_surface.h"

namespace zm {

class SvgSurface : public Surface {
 public:
  explicit SvgSurface(PixelSize size);

  // Ends the document and writes it; false when the file cannot be written. Nothing is drawn
  // after this.
  bool Save(const std::string& path);

  PixelSize ClientSize() const override { return painted_.ClientSize(); }
  void Clear(Rgb background) override { painted_.Clear(background); }
  void Line(PixelPoint from, PixelPoint to, Rgb colour, Pen pen) override {
    painted_.Line(from, to, colour, pen);
  }
  void Box(PixelPoint corner1, PixelPoint corner2, Rgb colour, Pen pen) override {
    painted_.Box(corner1, corner2, colour, pen);
  }
  void FilledBox(PixelPoint corner1, PixelPoint corner2, Rgb colour) override {
    painted_.FilledBox(corner1, corner2, colour);
  }
  void Circle(PixelPoint centre, double radius, Rgb colour, Pen pen) override {
    painted_.Circle(centre, radius, colour, pen);
  }
  void Pixel(PixelPoint at, Rgb colour) override { painted_.Pixel(at, colour); }
  void Text(PixelPoint at, std::string_view utf8, Rgb colour, int fontSize) override {
    painted_.Text(at, utf8, colour, fontSize);
  }
  double TextWidth(std::string_view utf8, int fontSize) const override {
    return painted_.TextWidth(utf8, fontSize);
  }

 private:
  QByteArray document_;
  QBuffer buffer_;
  QSvgGenerator generator_;
  QPainter painter_;
  PainterSurface painted_;
};

}  // namespace zm
