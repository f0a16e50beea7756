#include "qt/pixel_canvas.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace zm {

namespace {

// Clipping keeps thin lines strictly inside the pixels' reach, [-0.5, size - 0.5), so a line on
// the far edge belongs to the column beyond it and is not drawn.
constexpr double kInside = 1e-6;

// A dotted line sets one pixel and leaves two, as Qt::DotLine does at width 1; a wide dotted
// line has dashes one pen width long and gaps of two.
constexpr int kDotPeriod = 3;

bool Finite(PixelPoint p) { return std::isfinite(p.x) && std::isfinite(p.y); }

// floor(v) and ceil(v) as an int, held within [lo, hi] so that far-away values (and NaN, which
// goes to lo) convert safely. Branch-free: circles take six of these per row.
int FloorIn(double v, int lo, int hi) {
  v = v > lo ? v : lo;
  v = v < hi ? v : hi;
  const int i = static_cast<int>(v);
  return i - (v < i);
}
int CeilIn(double v, int lo, int hi) {
  v = v > lo ? v : lo;
  v = v < hi ? v : hi;
  const int i = static_cast<int>(v);
  return i + (v > i);
}

// The pixel of a coordinate: the one whose centre is nearest.
int PixelOf(double v, int lo, int hi) { return FloorIn(v + 0.5, lo, hi); }

// Liang-Barsky: cuts the segment a-b to the box; false when nothing of it lies inside.
bool ClipSegment(PixelPoint& a, PixelPoint& b, double xMin, double yMin, double xMax, double yMax) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  double t0 = 0, t1 = 1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {a.x - xMin, xMax - a.x, a.y - yMin, yMax - a.y};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) t0 = std::max(t0, t);
    else t1 = std::min(t1, t);
    if (t0 > t1) return false;
  }
  const PixelPoint start = a;
  a = {start.x + t0 * dx, start.y + t0 * dy};
  b = {start.x + t1 * dx, start.y + t1 * dy};
  return true;
}

// Offsets d >= 0 on the lattice `d0` + 0, 1, 2, ... for which centre + d or centre - d falls in
// [0, size - 1]: the rows (or columns) a circle about `centre` can show, as a hull [lo, hi].
struct OffsetRange {
  double lo = INFINITY, hi = -INFINITY;
};
OffsetRange VisibleOffsets(double centre, int size, double d0, double limit) {
  OffsetRange range;
  const std::pair<double, double> sides[] = {{-centre, size - 1 - centre}, {centre - (size - 1), centre}};
  for (const auto& [a, b] : sides) {
    const double from = std::max(a, d0), to = std::min(b, limit);
    if (from > to) continue;
    range.lo = std::min(range.lo, d0 + std::ceil(from - d0));
    range.hi = std::max(range.hi, to);
  }
  return range;
}

// The nearest value to v on the lattice d0 + whole numbers.
double NearestOnLattice(double v, double d0) { return d0 + std::floor(v - d0 + 0.5); }

}  // namespace

void PixelCanvas::Fill(Argb colour) {
  for (int row = 0; row < height_; ++row) Span(row, 0, width_ - 1, colour);
}

void PixelCanvas::Plot(int x, int y, Argb colour) {
  if (x >= 0 && x < width_ && y >= 0 && y < height_) bits_[y * stride_ + x] = colour;
}

void PixelCanvas::Pixel(PixelPoint at, Argb colour) {
  if (!Finite(at)) return;
  Plot(PixelOf(at.x, -1, width_), PixelOf(at.y, -1, height_), colour);
}

void PixelCanvas::Mask(int x, int y, std::span<const MaskSpan> spans, Argb colour) {
  for (const MaskSpan& s : spans) Span(y + s.row, x + s.x0, x + s.x1, colour);
}

void PixelCanvas::Line(PixelPoint from, PixelPoint to, Argb colour, Pen pen) {
  if (!Finite(from) || !Finite(to)) return;
  if (pen.width <= 1) ThinLine(from, to, colour, pen.style == LineStyle::kDotted);
  else WideLine(from, to, colour, pen);
}

// Bresenham between the pixels of the clipped ends; every pixel on the way is inside.
void PixelCanvas::ThinLine(PixelPoint from, PixelPoint to, Argb colour, bool dotted) {
  if (!ClipSegment(from, to, -0.5, -0.5, width_ - 0.5 - kInside, height_ - 0.5 - kInside)) return;
  int x0 = PixelOf(from.x, 0, width_ - 1), y0 = PixelOf(from.y, 0, height_ - 1);
  const int x1 = PixelOf(to.x, 0, width_ - 1), y1 = PixelOf(to.y, 0, height_ - 1);
  const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
  const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
  Argb* p = bits_ + y0 * stride_ + x0;
  int err = dx + dy;
  for (int phase = 0;; phase = phase + 1 == kDotPeriod ? 0 : phase + 1) {
    if (!dotted || phase == 0) *p = colour;
    if (x0 == x1 && y0 == y1) break;
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x0 += sx;
      p += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y0 += sy;
      p += sy * stride_;
    }
  }
}

// A wide line is a band of the pen's width with square ends, so that the sides of a mark meet
// without notches; dotted, it is a row of flat-ended dashes.
void PixelCanvas::WideLine(PixelPoint from, PixelPoint to, Argb colour, Pen pen) {
  const double w = pen.width;
  if (!ClipSegment(from, to, -w, -w, width_ + w, height_ + w)) return;
  if (pen.style != LineStyle::kDotted) {
    Band(from, to, w / 2, w / 2, colour);
    return;
  }
  const double dx = to.x - from.x, dy = to.y - from.y, length = std::hypot(dx, dy);
  if (length == 0) {
    Band(from, to, w / 2, 0, colour);
    return;
  }
  for (double s = 0; s < length; s += kDotPeriod * w) {
    const double e = std::min(s + w, length);
    Band({from.x + dx * s / length, from.y + dy * s / length},
         {from.x + dx * e / length, from.y + dy * e / length}, w / 2, 0, colour);
  }
}

// The rectangle around from-to, `halfWidth` to each side and `capLength` past each end: the
// pixels whose centres it holds.
void PixelCanvas::Band(PixelPoint from, PixelPoint to, double halfWidth, double capLength,
                       Argb colour) {
  double ux = to.x - from.x, uy = to.y - from.y;
  const double length = std::hypot(ux, uy);
  if (length > 0) {
    ux /= length;
    uy /= length;
  } else {
    ux = 1;
    uy = 0;
  }
  const double nx = -uy * halfWidth, ny = ux * halfWidth;
  const PixelPoint a{from.x - ux * capLength, from.y - uy * capLength};
  const PixelPoint b{to.x + ux * capLength, to.y + uy * capLength};
  const PixelPoint corners[4] = {
      {a.x + nx, a.y + ny}, {b.x + nx, b.y + ny}, {b.x - nx, b.y - ny}, {a.x - nx, a.y - ny}};
  double yMin = corners[0].y, yMax = corners[0].y;
  for (const PixelPoint& c : corners) {
    yMin = std::min(yMin, c.y);
    yMax = std::max(yMax, c.y);
  }
  const int rowFirst = CeilIn(yMin, 0, height_), rowLast = CeilIn(yMax, 0, height_) - 1;
  for (int row = rowFirst; row <= rowLast; ++row) {
    const double yc = row;
    double xMin = INFINITY, xMax = -INFINITY;
    for (int i = 0; i < 4; ++i) {
      const PixelPoint& p = corners[i];
      const PixelPoint& q = corners[(i + 1) % 4];
      if (p.y == q.y || yc < std::min(p.y, q.y) || yc > std::max(p.y, q.y)) continue;
      const double x = p.x + (yc - p.y) * (q.x - p.x) / (q.y - p.y);
      xMin = std::min(xMin, x);
      xMax = std::max(xMax, x);
    }
    if (xMin <= xMax) Span(row, CeilIn(xMin, -1, width_), CeilIn(xMax, -1, width_) - 1, colour);
  }
}

void PixelCanvas::Box(PixelPoint corner1, PixelPoint corner2, Argb colour, Pen pen) {
  const PixelPoint corner3{corner2.x, corner1.y}, corner4{corner1.x, corner2.y};
  Line(corner1, corner3, colour, pen);
  Line(corner3, corner2, colour, pen);
  Line(corner2, corner4, colour, pen);
  Line(corner4, corner1, colour, pen);
}

void PixelCanvas::FilledBox(PixelPoint corner1, PixelPoint corner2, Argb colour) {
  if (!Finite(corner1) || !Finite(corner2)) return;
  const int x0 = PixelOf(std::min(corner1.x, corner2.x), -1, width_);
  const int x1 = PixelOf(std::max(corner1.x, corner2.x), -1, width_);
  const int y0 = PixelOf(std::min(corner1.y, corner2.y), -1, height_);
  const int y1 = PixelOf(std::max(corner1.y, corner2.y), -1, height_);
  for (int row = std::max(y0, 0); row <= y1; ++row) Span(row, x0, x1, colour);
}

// Circles are drawn solid whatever the pen's style: nothing draws dotted circles.
void PixelCanvas::Circle(PixelPoint centre, double radius, Argb colour, Pen pen) {
  if (!Finite(centre) || !std::isfinite(radius) || radius < 0) return;
  const double reach = radius + pen.width;
  if (centre.x + reach < 0 || centre.x - reach > width_ || centre.y + reach < 0 ||
      centre.y - reach > height_)
    return;
  if (pen.width <= 1) ThinCircle(centre, radius, colour);
  else Ring(centre, radius - pen.width / 2.0, radius + pen.width / 2.0, colour);
}

// The midpoint rule: where the circle runs steep, each row takes the column nearest to the
// circle, and where it runs flat each column takes the nearest row; one pixel thin and
// 8-connected, a few operations per pixel and no root but the first of each part. The centre is
// taken to the nearest half pixel, which makes the pixels symmetric about both axes through it,
// so one quarter is walked and mirrored into the others. Only the rows and columns that can
// show are walked: the cost depends on the picture, not on the radius.
void PixelCanvas::ThinCircle(PixelPoint centre, double radius, Argb colour) {
  if (radius < 0.5) {
    Pixel(centre, colour);
    return;
  }
  const double cx = std::floor(2 * centre.x + 0.5) / 2, cy = std::floor(2 * centre.y + 0.5) / 2;
  const double r2 = radius * radius;
  // Offsets from the centre to pixel centres: whole numbers, or halves for a centre between pixels.
  const double x0 = cx - std::floor(cx), y0 = cy - std::floor(cy);
  const auto plot = [&](double x, double y) {
    if (x >= 0 && x < width_ && y >= 0 && y < height_)
      bits_[static_cast<std::ptrdiff_t>(y) * stride_ + static_cast<int>(x)] = colour;
  };
  const auto plot4 = [&](double dx, double dy) {
    plot(cx + dx, cy + dy);
    plot(cx - dx, cy + dy);
    plot(cx + dx, cy - dy);
    plot(cx - dx, cy - dy);
  };
  // Steep part, row by row from the horizontal axis up to the diagonal.
  const OffsetRange rows = VisibleOffsets(cy, height_, y0, radius);
  if (rows.lo <= rows.hi) {
    double dy = rows.lo, dx = NearestOnLattice(std::sqrt(r2 - dy * dy), x0);
    for (; dy <= rows.hi && dy <= dx; dy += 1) {
      while (dx > 0.5 && (dx - 0.5) * (dx - 0.5) + dy * dy > r2) dx -= 1;
      plot4(dx, dy);
    }
  }
  // Flat part, column by column from the vertical axis up to the diagonal.
  const OffsetRange columns = VisibleOffsets(cx, width_, x0, radius);
  if (columns.lo <= columns.hi) {
    double dx = columns.lo, dy = NearestOnLattice(std::sqrt(r2 - dx * dx), y0);
    for (; dx <= columns.hi && dx < dy; dx += 1) {
      while (dy > 0.5 && (dy - 0.5) * (dy - 0.5) + dx * dx > r2) dy -= 1;
      plot4(dx, dy);
    }
  }
}

// The pixels whose centres lie between the two radii.
void PixelCanvas::Ring(PixelPoint centre, double inner, double outer, Argb colour) {
  const auto col = [&](double x) { return CeilIn(x, -1, width_ + 1); };
  const int rowFirst = CeilIn(centre.y - outer, 0, height_);
  const int rowLast = CeilIn(centre.y + outer, 0, height_) - 1;
  for (int row = rowFirst; row <= rowLast; ++row) {
    const double dy = row - centre.y;
    if (std::abs(dy) > outer) continue;
    const double ho = std::sqrt(outer * outer - dy * dy);
    if (inner <= 0 || std::abs(dy) >= inner) {
      Span(row, col(centre.x - ho), col(centre.x + ho) - 1, colour);
      continue;
    }
    const double hi = std::sqrt(inner * inner - dy * dy);
    Span(row, col(centre.x - ho), col(centre.x - hi) - 1, colour);
    Span(row, col(centre.x + hi), col(centre.x + ho) - 1, colour);
  }
}

}  // namespace zm
