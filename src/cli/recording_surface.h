#pragma once
// A surface that records every call, for tests: each call is kept as a Drawn entry and can be
// read as one line of text ("line 10,20 30,40 #000000 w1 solid", "text 5,6 #000000 9 A").

#include <string>
#include <vector>

#include "platform/surface.h"

namespace zm {

struct Drawn {
  enum class Kind { kClear, kLine, kBox, kFilledBox, kCircle, kPixel, kText };
  Kind kind;
  PixelPoint a;        // start, corner 1, centre, pixel or text position
  PixelPoint b;        // end or corner 2
  double radius = 0;
  Rgb colour;
  Pen pen;
  std::string text;
  int fontSize = 0;

  std::string ToString() const;
};

class RecordingSurface : public Surface {
 public:
  explicit RecordingSurface(PixelSize size = {640, 480}) : size_(size) {}

  void Resize(PixelSize size) { size_ = size; }

  PixelSize ClientSize() const override { return size_; }
  void Clear(Rgb background) override;
  void Line(PixelPoint from, PixelPoint to, Rgb colour, Pen pen) override;
  void Box(PixelPoint corner1, PixelPoint corner2, Rgb colour, Pen pen) override;
  void FilledBox(PixelPoint corner1, PixelPoint corner2, Rgb colour) override;
  void Circle(PixelPoint centre, double radius, Rgb colour, Pen pen) override;
  void Pixel(PixelPoint at, Rgb colour) override;
  void Text(PixelPoint at, std::string_view utf8, Rgb colour, int fontSize) override;
  // Every character is as wide as half the font size: a fixed rule, so tests can foresee it.
  double TextWidth(std::string_view utf8, int fontSize) const override;

  const std::vector<Drawn>& Calls() const { return calls_; }
  std::vector<std::string> Lines() const;
  void Forget() { calls_.clear(); }

 private:
  PixelSize size_;
  std::vector<Drawn> calls_;
};

}  // namespace zm
