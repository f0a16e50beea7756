#include "view/clip.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zm {

namespace {

bool Finite(PixelPoint p) { return std::isfinite(p.x) && std::isfinite(p.y); }

// A chord may stray this far (pixels) from its arc: below what a pixel grid can show.
constexpr double kChordSagitta = 0.25;

}  // namespace

std::optional<PixelSegment> ClipSegment(PixelPoint from, PixelPoint to, const PixelRect& rect) {
  if (!Finite(from) || !Finite(to)) return std::nullopt;
  const double dx = to.x - from.x;
  const double dy = to.y - from.y;
  if (!std::isfinite(dx) || !std::isfinite(dy)) return std::nullopt;
  // Liang-Barsky: the segment from + t (dx, dy), 0 <= t <= 1, against each edge p t <= q.
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {from.x - rect.left, rect.right - from.x, from.y - rect.top, rect.bottom - from.y};
  double t0 = 0;
  double t1 = 1;
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return std::nullopt;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0)
      t0 = std::max(t0, t);
    else
      t1 = std::min(t1, t);
    if (t0 > t1) return std::nullopt;
  }
  // Ends inside the rectangle are passed on exactly as given.
  const PixelPoint a = t0 == 0 ? from : PixelPoint{from.x + t0 * dx, from.y + t0 * dy};
  const PixelPoint b = t1 == 1 ? to : PixelPoint{from.x + t1 * dx, from.y + t1 * dy};
  return PixelSegment{a, b};
}

bool CircleMayShow(PixelPoint centre, double radius, const PixelRect& rect) {
  if (!Finite(centre) || !std::isfinite(radius) || radius < 0) return false;
  const double nearX = std::max({rect.left - centre.x, 0.0, centre.x - rect.right});
  const double nearY = std::max({rect.top - centre.y, 0.0, centre.y - rect.bottom});
  const double farX = std::max(std::abs(centre.x - rect.left), std::abs(centre.x - rect.right));
  const double farY = std::max(std::abs(centre.y - rect.top), std::abs(centre.y - rect.bottom));
  return std::hypot(nearX, nearY) <= radius && radius <= std::hypot(farX, farY);
}

ArcChords VisibleArc(PixelPoint centre, double radius, const PixelRect& rect) {
  double start = 0;
  double span = 2 * std::numbers::pi;
  const bool centreInside = centre.x >= rect.left && centre.x <= rect.right && centre.y >= rect.top &&
                            centre.y <= rect.bottom;
  if (!centreInside) {
    // Seen from a centre outside it, the rectangle lies in a cone narrower than a half-turn
    // around the direction of its middle; the corners bound that cone.
    const double towards = std::atan2((rect.top + rect.bottom) / 2 - centre.y, (rect.left + rect.right) / 2 - centre.x);
    double lo = 0;
    double hi = 0;
    const PixelPoint corners[4] = {
        {rect.left, rect.top}, {rect.right, rect.top}, {rect.left, rect.bottom}, {rect.right, rect.bottom}};
    for (const PixelPoint& c : corners) {
      const double d = std::remainder(std::atan2(c.y - centre.y, c.x - centre.x) - towards, 2 * std::numbers::pi);
      lo = std::min(lo, d);
      hi = std::max(hi, d);
    }
    start = towards + lo;
    span = hi - lo;
  }
  // 1 - cos(step / 2) = sagitta / radius, written with the half-angle for precision at huge radii.
  const double ratio = std::min(1.0, std::sqrt(kChordSagitta / (2 * radius)));
  const double fine = 4 * std::asin(ratio);
  const double wanted = fine > 0 ? std::ceil(span / fine) : kMaxArcChords;
  const int count = static_cast<int>(std::clamp(wanted, 1.0, static_cast<double>(kMaxArcChords)));
  return {start, span / count, count};
}

}  // namespace zm
