#pragma once
// One-bit masks of the glyphs of the label font, rendered by Qt once per character and size and
// then stamped into the window's picture. Labels and the value list print the same few
// characters on every drag step, and stamping a cached mask costs a small part of laying the
// text out again with QPainter. Characters are placed one behind the other by their advances.

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "qt/pixel_canvas.h"

namespace zm {

struct Glyph {
  std::vector<MaskSpan> spans;  // rows counted from the top of the text line
  double advance = 0;           // pixels to the next character
};

class GlyphCache {
 public:
  // The glyph of the character at the font size (points); the reference holds until the next
  // call. Needs a QGuiApplication the first time a glyph is made.
  const Glyph& Get(char32_t codePoint, int fontSize);

 private:
  // Far more than labels and values use; reaching it starts the cache afresh.
  static constexpr std::size_t kMaxGlyphs = 4096;

  std::unordered_map<std::uint64_t, Glyph> glyphs_;
};

}  // namespace zm
