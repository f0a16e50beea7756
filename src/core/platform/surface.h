#pragma once
// The drawing surface of the main window, in pixel coordinates: x to the right and y downward
// from the top-left corner of the client area. The core's viewport maps world coordinates to
// pixels and clips what lies far outside, so a surface only translates these calls.

#include <cstdint>
#include <string_view>

namespace zm {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

enum class LineStyle { kSolid, kDotted };

struct Pen {
  int width = 1;  // pixels, 1 ... 10
  LineStyle style = LineStyle::kSolid;
};

struct PixelPoint {
  double x = 0, y = 0;
};

struct PixelSize {
  int width = 0, height = 0;
};

class Surface {
 public:
  virtual ~Surface() = default;

  virtual PixelSize ClientSize() const = 0;
  virtual void Clear(Rgb background) = 0;
  virtual void Line(PixelPoint from, PixelPoint to, Rgb colour, Pen pen) = 0;
  // The rectangle with the two corners given, outlined or filled.
  virtual void Box(PixelPoint corner1, PixelPoint corner2, Rgb colour, Pen pen) = 0;
  virtual void FilledBox(PixelPoint corner1, PixelPoint corner2, Rgb colour) = 0;
  virtual void Circle(PixelPoint centre, double radius, Rgb colour, Pen pen) = 0;
  virtual void Pixel(PixelPoint at, Rgb colour) = 0;
  // Text with its top-left corner at `at`, without filling its background.
  virtual void Text(PixelPoint at, std::string_view utf8, Rgb colour, int fontSize) = 0;
  // The advance width of the text in pixels, for printing one text behind another.
  virtual double TextWidth(std::string_view utf8, int fontSize) const = 0;
};

}  // namespace zm
