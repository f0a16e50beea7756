#include "qt/raster_surface.h"

#include <algorithm>
#include <cmath>

#include "figure/fixed_text.h"

namespace zm {

namespace {

// The window's light grey, what a new picture shows before the first redraw.
constexpr Rgb kBackground{192, 192, 192};

}  // namespace

RasterSurface::RasterSurface(PixelSize size, Smoothing smoothing) : smoothing_(smoothing) {
  Begin(size);
}

RasterSurface::~RasterSurface() { End(); }

void RasterSurface::Begin(PixelSize size) {
  image_ = QImage(std::max(size.width, 1), std::max(size.height, 1), QImage::Format_RGB32);
  // A picture too large to allocate is a null image: then nothing is drawn at all.
  if (image_.isNull()) {
    canvas_ = PixelCanvas(nullptr, 0, 0, 0);
    return;
  }
  image_.fill(QColor(kBackground.r, kBackground.g, kBackground.b));
  if (smoothing_ == Smoothing::kAntialiased) {
    painter_ = std::make_unique<QPainter>(&image_);
    painted_ = std::make_unique<PainterSurface>(*painter_, ClientSize());
  } else {
    // Format_RGB32 rows are whole 32-bit words.
    canvas_ = PixelCanvas(reinterpret_cast<Argb*>(image_.bits()), image_.width(), image_.height(),
                          image_.bytesPerLine() / 4);
  }
}

void RasterSurface::End() {
  painted_.reset();
  painter_.reset();
}

void RasterSurface::Resize(PixelSize size) {
  End();
  Begin(size);
}

void RasterSurface::Clear(Rgb background) {
  if (painted_) painted_->Clear(background);
  else canvas_.Fill(ToArgb(background));
}

void RasterSurface::Line(PixelPoint from, PixelPoint to, Rgb colour, Pen pen) {
  if (painted_) painted_->Line(from, to, colour, pen);
  else canvas_.Line(from, to, ToArgb(colour), pen);
}

void RasterSurface::Box(PixelPoint corner1, PixelPoint corner2, Rgb colour, Pen pen) {
  if (painted_) painted_->Box(corner1, corner2, colour, pen);
  else canvas_.Box(corner1, corner2, ToArgb(colour), pen);
}

void RasterSurface::FilledBox(PixelPoint corner1, PixelPoint corner2, Rgb colour) {
  if (painted_) painted_->FilledBox(corner1, corner2, colour);
  else canvas_.FilledBox(corner1, corner2, ToArgb(colour));
}

void RasterSurface::Circle(PixelPoint centre, double radius, Rgb colour, Pen pen) {
  if (painted_) painted_->Circle(centre, radius, colour, pen);
  else canvas_.Circle(centre, radius, ToArgb(colour), pen);
}

void RasterSurface::Pixel(PixelPoint at, Rgb colour) {
  if (painted_) painted_->Pixel(at, colour);
  else canvas_.Pixel(at, ToArgb(colour));
}

// Aliased text: the cached glyph masks one behind the other, the top of the line at `at`.
void RasterSurface::Text(PixelPoint at, std::string_view utf8, Rgb colour, int fontSize) {
  if (painted_) {
    painted_->Text(at, utf8, colour, fontSize);
    return;
  }
  if (!std::isfinite(at.x) || !std::isfinite(at.y)) return;
  const Argb argb = ToArgb(colour);
  // Placed by the pixel rule of qt/pixel_canvas.h: the nearest pixel centre.
  const double y = std::floor(at.y + 0.5);
  double x = at.x + 0.5;
  for (std::size_t pos = 0; pos < utf8.size();) {
    const Glyph& glyph = glyphs_.Get(NextCodePoint(utf8, pos), fontSize);
    const double left = std::floor(x);
    // Far outside the picture nothing shows, and the int conversion must stay in range.
    if (std::abs(left) < 1e6 && std::abs(y) < 1e6)
      canvas_.Mask(static_cast<int>(left), static_cast<int>(y), glyph.spans, argb);
    x += glyph.advance;
  }
}

double RasterSurface::TextWidth(std::string_view utf8, int fontSize) const {
  if (painted_) return painted_->TextWidth(utf8, fontSize);
  double width = 0;
  for (std::size_t pos = 0; pos < utf8.size();)
    width += glyphs_.Get(NextCodePoint(utf8, pos), fontSize).advance;
  return width;
}

}  // namespace zm
