#pragma once
// Pixel-space clipping of what the figure draws: the world is unbounded, the window is not, and
// a surface handed coordinates millions of pixels away may rasterise slowly or overflow. So the
// core cuts lines to the window, drops circles that cannot show and bends huge ones into chords.

#include <optional>

#include "platform/surface.h"

namespace zm {

struct PixelRect {
  double left = 0, top = 0, right = 0, bottom = 0;
};

struct PixelSegment {
  PixelPoint from, to;
};

// The part of the segment inside the rectangle (its direction kept), or nothing. Endpoints that
// are not finite give nothing.
std::optional<PixelSegment> ClipSegment(PixelPoint from, PixelPoint to, const PixelRect& rect);

// Whether any part of the circle's outline can lie inside the rectangle: not when the circle is
// wholly outside it, nor when the rectangle is wholly inside the circle.
bool CircleMayShow(PixelPoint centre, double radius, const PixelRect& rect);

// The chords that stand in for the arc of a huge circle inside the rectangle: `count` chords
// joining the points at angles start, start + step, ..., start + count * step (y downward).
struct ArcChords {
  double start = 0;
  double step = 0;
  int count = 0;
};

// Chords no further than a quarter pixel from the arc, at most kMaxArcChords of them.
inline constexpr int kMaxArcChords = 2048;
ArcChords VisibleArc(PixelPoint centre, double radius, const PixelRect& rect);

}  // namespace zm
