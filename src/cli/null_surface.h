#pragma once
// A surface that draws nothing: for commands that need no picture and for timing the core alone.

#include "platform/surface.h"

namespace zm {

class NullSurface : public Surface {
 public:
  explicit NullSurface(PixelSize size = {640, 480}) : size_(size) {}

  PixelSize ClientSize() const override { return size_; }
  void Clear(Rgb) override {}
  void Line(PixelPoint, PixelPoint, Rgb, Pen) override {}
  void Box(PixelPoint, PixelPoint, Rgb, Pen) override {}
  void FilledBox(PixelPoint, PixelPoint, Rgb) override {}
  void Circle(PixelPoint, double, Rgb, Pen) override {}
  void Pixel(PixelPoint, Rgb) override {}
  void Text(PixelPoint, std::string_view, Rgb, int) override {}
  double TextWidth(std::string_view, int) const override { return 0; }

 private:
  PixelSize size_;
};

}  // namespace zm
