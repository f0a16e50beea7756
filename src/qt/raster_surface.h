#pragma once
// The surface that paints into a QImage: the window's picture, and the pictures that the
// headless commands write. Aliased (the window's and the benchmark's), it draws straight into
// the image's pixels, so that an object drawn again in the background colour leaves nothing
// behind and a drag step stays cheap. Antialiased (a picture for a file, drawn once by a full
// redraw), it paints with one QPainter kept open on the image for the surface's lifetime.
//
// Shapes need no QGuiApplication; text does (see qt/gui_session.h).

#include <QImage>
#include <QPainter>
#include <memory>

#include "qt/glyph_cache.h"
#include "qt/label_font.h"
#include "qt/painter_surface.h"
#include "qt/pixel_canvas.h"

namespace zm {

class RasterSurface : public Surface {
 public:
  explicit RasterSurface(PixelSize size, Smoothing smoothing = Smoothing::kAliased);
  ~RasterSurface() override;

  // The picture as drawn so far. The surface goes on drawing into these very pixels, and a
  // shallow QImage copy shares them: take Image().copy() to keep a picture as it stands.
  const QImage& Image() const { return image_; }
  // A new picture of the size, in the background colour until it is drawn.
  void Resize(PixelSize size);

  PixelSize ClientSize() const override { return {image_.width(), image_.height()}; }
  void Clear(Rgb background) override;
  void Line(PixelPoint from, PixelPoint to, Rgb colour, Pen pen) override;
  void Box(PixelPoint corner1, PixelPoint corner2, Rgb colour, Pen pen) override;
  void FilledBox(PixelPoint corner1, PixelPoint corner2, Rgb colour) override;
  void Circle(PixelPoint centre, double radius, Rgb colour, Pen pen) override;
  void Pixel(PixelPoint at, Rgb colour) override;
  void Text(PixelPoint at, std::string_view utf8, Rgb colour, int fontSize) override;
  double TextWidth(std::string_view utf8, int fontSize) const override;

 private:
  void Begin(PixelSize size);
  void End();

  Smoothing smoothing_;
  QImage image_;
  PixelCanvas canvas_{nullptr, 0, 0, 0};  // aliased drawing into image_
  std::unique_ptr<QPainter> painter_;     // antialiased drawing into image_
  std::unique_ptr<PainterSurface> painted_;
  mutable GlyphCache glyphs_;  // filled by TextWidth as well as by Text
};

}  // namespace zm
