#include "geometry/bound_points.h"

#include <cmath>

#include "geometry/primitives.h"

namespace zm {

namespace {

constexpr std::int16_t kOnPoint = 1;
constexpr std::int16_t kOnLine = 2;
constexpr std::int16_t kOnCircle = 3;

constexpr std::int16_t kWholeLine = 0;
constexpr std::int16_t kSegment = 1;
constexpr std::int16_t kHalfLine = 2;

// A position that overflowed is not stored: the point becomes invalid where it was.
void PlaceAt(PointRec& b, Vec2 at) {
  if (!std::isfinite(at.x) || !std::isfinite(at.y)) {
    b.check = kInvalid;
    return;
  }
  b.x = at.x;
  b.y = at.y;
  b.check = kValid;
}

// Clamps a parameter that left its range; the user hears that the point stopped at an end.
void ClampAbove(double& p, double limit, Alerts& alerts) {
  if (p <= limit) return;
  p = limit;
  alerts.Beep();
}

void ClampBelowZero(double& p, Alerts& alerts) {
  if (p >= 0) return;
  p = 0;
  alerts.Beep();
}

}  // namespace

void PlaceBoundPoint(Figure& fig, Alerts& alerts, int p) {
  if (!fig.Points.Holds(p)) return;
  PointRec& b = fig.Points[p];
  const int host = b.bindingIndex;
  switch (b.bindingKind) {
    case kOnPoint:
      // A point on a point follows it and keeps its own check state.
      if (fig.Points.Holds(host)) {
        b.x = fig.Points[host].x;
        b.y = fig.Points[host].y;
      }
      return;
    case kOnLine:
      if (fig.Lines.Holds(host)) PlaceOnLine(b, fig.Lines[host], alerts);
      return;
    case kOnCircle:
      if (fig.Circles.Holds(host)) PlaceOnCircle(b, fig.Circles[host]);
      return;
    default:
      return;
  }
}

void PlaceOnLine(PointRec& b, const LineRec& l, Alerts& alerts) {
  if (l.check == kInvalid) {
    b.check = kInvalid;
    return;
  }
  const double length = VecLength({l.end2.x - l.end1.x, l.end2.y - l.end1.y});
  double p = b.parameter;
  switch (l.kind) {
    case kWholeLine:
      PlaceAt(b, {l.end1.x + p * l.direction.x, l.end1.y + p * l.direction.y});
      break;
    case kSegment:
      ClampAbove(p, length, alerts);
      ClampBelowZero(p, alerts);
      PlaceAt(b, {((length - p) * l.end1.x + p * l.end2.x) / length,
                  ((length - p) * l.end1.y + p * l.end2.y) / length});
      break;
    case kHalfLine:
      ClampBelowZero(p, alerts);
      PlaceAt(b, {l.end1.x + p * l.direction.x, l.end1.y + p * l.direction.y});
      break;
    default:
      b.check = kValid;
      break;
  }
  b.parameter = p;
}

void PlaceOnCircle(PointRec& b, const CircleRec& c) {
  const double circumference = kTwoPi * c.radius;
  if (c.check == kInvalid || circumference == 0) {
    b.check = kInvalid;
    return;
  }
  // One turn either way brings a parameter moved by a drag back onto the circle's range.
  double p = b.parameter;
  if (p > circumference) p -= circumference;
  if (p < 0) p += circumference;
  b.parameter = p;
  const double a = p * kTwoPi / circumference;
  PlaceAt(b, {c.centre.x + c.radius * std::cos(a), c.centre.y + c.radius * std::sin(a)});
}

void ParamFromPosition(Figure& fig, int p) {
  if (!fig.Points.Holds(p)) return;
  PointRec& b = fig.Points[p];
  const int host = b.bindingIndex;
  if (b.bindingKind == kOnLine && fig.Lines.Holds(host)) {
    const LineRec& l = fig.Lines[host];
    const Vec2 v{b.x - l.end1.x, b.y - l.end1.y};
    const Vec2 w{l.end2.x - l.end1.x, l.end2.y - l.end1.y};
    const double distance = VecLength(v);
    b.parameter = VecDot(v, w) >= 0 ? distance : -distance;
  } else if (b.bindingKind == kOnCircle && fig.Circles.Holds(host)) {
    const CircleRec& c = fig.Circles[host];
    Vec2 v{b.x - c.centre.x, b.y - c.centre.y};
    // At the centre the point has no direction: invalid for now, parameter kept.
    b.check = VecNormalize(v);
    if (b.check != kInvalid) b.parameter = c.radius * DirAngle(v);
  }
}

double DirAngle(Vec2 v) {
  if (VecNormalize(v) == kFalse) return 0;
  if (v.x == 0) return v.y > 0 ? kHalfPi : -kHalfPi;
  double a = std::atan(v.y / v.x);
  if (v.x < 0) a += kPi;
  if (a < 0) a += kTwoPi;
  if (a >= kTwoPi) a -= kTwoPi;
  return a;
}

std::int16_t HostCheck(const Figure& fig, const PointRec& p) {
  const int host = p.bindingIndex;
  switch (p.bindingKind) {
    case kOnPoint: return fig.Points.Holds(host) ? fig.Points[host].check : kInvalid;
    case kOnLine: return fig.Lines.Holds(host) ? fig.Lines[host].check : kInvalid;
    case kOnCircle: return fig.Circles.Holds(host) ? fig.Circles[host].check : kInvalid;
    default: return kInvalid;
  }
}

}  // namespace zm
