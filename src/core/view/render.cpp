#include "view/render.h"

#include <array>
#include <cmath>
#include <limits>
#include <string>

#include "figure/modes.h"
#include "figure/recompute.h"
#include "text/value_list.h"
#include "view/locus.h"
#include "view/snapshot.h"
#include "view/viewport.h"
#include "view/world_shapes.h"

namespace zm {

namespace {

// Screen colours of the colour codes: the 16-colour palette with black and light grey
// exchanged, so that the default code 7 is black and code 0 the background.
constexpr std::array<Rgb, 16> kPalette = {{{192, 192, 192},
                                           {0, 0, 128},
                                           {0, 128, 0},
                                           {0, 128, 128},
                                           {128, 0, 0},
                                           {128, 0, 128},
                                           {128, 128, 0},
                                           {0, 0, 0},
                                           {128, 128, 128},
                                           {0, 0, 255},
                                           {0, 255, 0},
                                           {0, 255, 255},
                                           {255, 0, 0},
                                           {255, 0, 255},
                                           {255, 255, 0},
                                           {255, 255, 255}}};

constexpr std::int16_t kBlack = 7;

// Coordinates beyond which points are not drawn and the largest radius drawn.
constexpr double kDrawLimit = 1000;

// Half the size of a point mark, in pixels.
constexpr double kMarkPixels = 5;

Pen SolidPen(const App& app) { return Pen{app.penWidth, LineStyle::kSolid}; }

// The pixel marks 10 ... 17 choose their colour code from the kind and the point's colour.
std::int16_t PixelMarkCode(const PointRec& p) {
  std::int16_t c = 0;
  if (p.colour == 0) c = 1;
  if (p.kind - 10 == c) ++c;
  return c;
}

void DrawMark(App& app, const PointRec& p) {
  const double a = kMarkPixels * app.dp;
  const double x = p.x;
  const double y = p.y;
  const Pen pen = SolidPen(app);
  const auto colour = [&] { return ColorOf(app.shell, p.colour); };
  const auto line = [&](Vec2 from, Vec2 to, Rgb c) { DrawWorldLine(app, from, to, c, pen); };
  const auto circle = [&](double r, Rgb c) { DrawWorldCircle(app, {x, y}, r, c, pen); };
  switch (p.kind) {
    case 0: DrawWorldPixel(app, {x, y}, colour()); return;
    case 1: {
      const Rgb c = colour();
      line({x + a, y + a}, {x - a, y - a}, c);
      line({x + a, y - a}, {x - a, y + a}, c);
      return;
    }
    case 2: circle(4 * app.dp, colour()); return;
    case 3:
    case 4: DrawWorldBox(app, {x - a, y - a}, {x + a, y + a}, colour(), pen, p.kind == 4); return;
    case 5: {
      const Rgb c = colour();
      line({x, y + a}, {x - a, y - a}, c);
      line({x, y + a}, {x + a, y - a}, c);
      line({x + a, y - a}, {x - a, y - a}, c);
      return;
    }
    case 10: case 11: case 12: case 13: case 14: case 15: case 16: case 17:
      DrawWorldPixel(app, {x, y}, ColorOf(app.shell, PixelMarkCode(p)));
      return;
    case 20: {
      const Rgb c = colour();
      circle(a / 2, c);
      circle(a, c);
      return;
    }
    case 21: circle(a / 2, colour()); return;
    case 22:
    case 23: {
      const Rgb c = colour();
      circle(a, c);
      if (p.kind == 22) line({x, y + a}, {x, y - a}, c);
      line({x + a, y}, {x - a, y}, c);
      return;
    }
    default: return;
  }
}

bool LabelsHiddenIn(std::int16_t mode) {
  return mode == kModeStandard || mode == kModeDeform || mode == kModeComputing;
}

// A magnitude in single precision; beyond the range of floats it is infinite.
float SingleMagnitude(double v) {
  const double m = std::abs(v);
  return m <= std::numeric_limits<float>::max() ? static_cast<float>(m) : std::numeric_limits<float>::infinity();
}

// The view test of labels is made in single precision; a position that is not a number is
// never inside.
bool InsideView(const App& app, double x, double y) {
  if (!std::isfinite(x) || !std::isfinite(y)) return false;
  return SingleMagnitude(x) <= SingleMagnitude(app.MaxOfX) && SingleMagnitude(y) <= SingleMagnitude(app.MaxOfY);
}

}  // namespace

void Redraw(App& app) {
  Figure& fig = app.fig;
  app.surface.Clear(ColorOf(app.shell, 0));
  if (app.AxisSW != kFalse) axis(app);
  RecomputeFromScratch(fig, app.shell);
  TakeSnapshot(fig);
  DrawFigure(app);
  DrawValueList(app);
  DrawTraces(app);
  RefreshStatus(app);
}

void DrawFigure(App& app) {
  const Figure& fig = app.fig;
  for (std::int16_t i = 1; i <= fig.ObjCount[kPoint]; ++i) {
    const PointRec& p = fig.Points[i];
    // Points of kind 10 and above are the drag's own marks, drawn by it.
    if (p.kind >= 10 || p.colour == 0) continue;
    DrawObject(app, {kPoint, i}, kDrawOwn);
  }
  for (std::int16_t i = 1; i <= fig.ObjCount[kLine]; ++i)
    if (fig.Lines[i].colour != 0) DrawObject(app, {kLine, i}, kDrawOwn);
  for (std::int16_t i = 1; i <= fig.ObjCount[kCircle]; ++i)
    if (fig.Circles[i].colour != 0) DrawObject(app, {kCircle, i}, kDrawOwn);
}

void DrawObject(App& app, ObjRef ref, std::int16_t code) {
  const bool useLocus = code >= kDrawLocus;
  const bool forced = code >= kDrawErase;
  if (forced) code = static_cast<std::int16_t>(code % 10);
  // The colour is resolved on a copy: the record itself keeps its own colour.
  const auto resolve = [&](auto copy) {
    if (code < 8 && copy.colour == 0) copy.colour = code;
    if (useLocus) copy.colour = copy.locusColour;
    if (forced) copy.colour = code;
    return copy;
  };
  const Figure& fig = app.fig;
  switch (ref.kind) {
    case kPoint:
      DrawPoint(app, resolve(fig.Points[ref.index]));
      if (useLocus)
        DrawLabel(app, ref, 0, true);
      else
        DrawLabel(app, ref, kBlack, false);
      return;
    case kLine: DrawLine(app, resolve(fig.Lines[ref.index])); return;
    case kCircle: DrawCircle(app, resolve(fig.Circles[ref.index])); return;
    default: return;  // numbers have no picture
  }
}

void DrawPoint(App& app, const PointRec& p) {
  // Written so that a position that is not a number is not drawn either.
  if (p.check == kInvalid || !(std::abs(p.x) <= kDrawLimit) || !(std::abs(p.y) <= kDrawLimit)) return;
  DrawMark(app, p);
}

void DrawLine(App& app, const LineRec& l) {
  if (l.check == kInvalid) return;
  // Five times three half-widths of the view: from any anchor in view the line runs past the
  // window; the drawing clips it to the window.
  const double reach = 15 * app.MaxOfX;
  const auto along = [&](Vec2 p, double sign) {
    return Vec2{p.x + sign * reach * l.direction.x, p.y + sign * reach * l.direction.y};
  };
  Vec2 from = l.end1;
  Vec2 to = l.end2;
  switch (l.kind) {
    case 0: {
      from = along(l.end1, -1);
      to = along(l.end1, 1);
      break;
    }
    case 1: break;
    case 2: to = along(l.end1, 1); break;
    case 3: {
      from = l.end2;
      to = along(l.end2, -1);
      break;
    }
    default: return;
  }
  DrawWorldLine(app, from, to, ColorOf(app.shell, l.colour), SolidPen(app));
}

void DrawCircle(App& app, const CircleRec& c) {
  if (c.check == kInvalid || !(c.radius <= kDrawLimit)) return;
  DrawWorldCircle(app, c.centre, c.radius, ColorOf(app.shell, c.colour), SolidPen(app));
}

void DrawLabel(App& app, ObjRef ref, std::int16_t code, bool fromSnapshot) {
  if (code != 0 && app.NotChrDisp != kFalse && LabelsHiddenIn(CurrentMode(app))) return;
  if (ref.kind != kPoint) return;
  const Rgb colour = ColorOf(app.shell, code);
  const Figure& fig = app.fig;
  if (fig.Points[ref.index].check == kInvalid) return;
  const PointRec& at = fromSnapshot ? fig.SnapshotPoints[ref.index] : fig.Points[ref.index];
  if (ViewIsEmpty(app) || !InsideView(app, at.x, at.y)) return;
  // Names are short: an automatic name stays within the short-string buffer.
  app.surface.Text(ToPixel(app, {at.x, at.y}), fig.Points[ref.index].name.Trimmed(), colour, app.fontSize);
}

Rgb ColorOf(Alerts& alerts, std::int16_t code) {
  if (code < 0 || code >= static_cast<int>(kPalette.size())) {
    alerts.MessageBox(std::to_string(code));
    return kPalette[0];
  }
  return kPalette[static_cast<std::size_t>(code)];
}

}  // namespace zm
