#pragma once
// A small figure built step by step as the construction commands build it, on a recording
// surface of 640 x 480 pixels, ready to be deformed: free points, lines and circles through
// them, and points bound to a line or a circle.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "cli/recording_surface.h"
#include "cli/scripted_shell.h"
#include "figure/app.h"
#include "figure/modes.h"
#include "figure/recompute.h"
#include "view/render.h"
#include "view/viewport.h"

namespace zm {

inline bool Near(PixelPoint a, PixelPoint b) { return std::fabs(a.x - b.x) < 1e-6 && std::fabs(a.y - b.y) < 1e-6; }

inline constexpr Rgb kGrey{192, 192, 192};
inline constexpr Rgb kBlackRgb{0, 0, 0};

struct DragScene {
  DragScene() { SetScreen(app); }

  ObjRef FreePoint(double x, double y) {
    const ObjRef ref = NewPoint();
    PointRec& p = app.fig.Points[ref.index];
    p.x = x;
    p.y = y;
    AddStep("PNEW", {}, {ref});
    return ref;
  }

  // A point bound to a line (binding kind 2) or a circle (3) at the given parameter.
  ObjRef BoundPoint(ObjRef host, double parameter) {
    const ObjRef ref = NewPoint();
    PointRec& p = app.fig.Points[ref.index];
    p.bindingKind = host.kind;
    p.bindingIndex = host.index;
    p.parameter = parameter;
    AddStep("PBND", {}, {ref});
    return ref;
  }

  // Kind 0 line, 1 segment, 2 half-line. Lines and circles are evaluated at once, as the
  // construction does when their last input is picked.
  ObjRef Line(ObjRef a, ObjRef b, std::int16_t kind = 0) {
    const ObjRef ref{kLine, ++app.fig.ObjCount[kLine]};
    app.fig.Lines[ref.index].kind = kind;
    EvalStep(app.fig, shell, AddStep("L1", {a, b}, {ref}));
    return ref;
  }

  ObjRef Circle(ObjRef centre, ObjRef through) {
    const ObjRef ref{kCircle, ++app.fig.ObjCount[kCircle]};
    EvalStep(app.fig, shell, AddStep("C2", {centre, through}, {ref}));
    return ref;
  }

  // What "1点を動かす" and the picking leave: the figure drawn, mode 6, the point chosen.
  void StartDeformation(ObjRef point) {
    Redraw(app);
    PushMode(app, kModeDeform);
    app.MovingPoint = point.index;
    app.FirstMove = kTrue;
    surface.Forget();
    shell.ClearLog();
  }

  PointRec& Point(ObjRef ref) { return app.fig.Points[ref.index]; }
  PixelPoint Px(double x, double y) const { return ToPixel(app, {x, y}); }

  // Index of the first recorded call that satisfies `match`; -1 when none does.
  int Find(const std::function<bool(const Drawn&)>& match) const {
    const std::vector<Drawn>& calls = surface.Calls();
    const auto it = std::find_if(calls.begin(), calls.end(), match);
    return it == calls.end() ? -1 : static_cast<int>(it - calls.begin());
  }
  int Count(const std::function<bool(const Drawn&)>& match) const {
    const std::vector<Drawn>& calls = surface.Calls();
    return static_cast<int>(std::count_if(calls.begin(), calls.end(), match));
  }
  int Beeps() const {
    const std::vector<std::string>& log = shell.Log();
    return static_cast<int>(std::count(log.begin(), log.end(), "beep"));
  }

  ScriptedShell shell;
  RecordingSurface surface;
  App app{shell, surface};

 private:
  ObjRef NewPoint() {
    const ObjRef ref{kPoint, ++app.fig.ObjCount[kPoint]};
    PointRec& p = app.fig.Points[ref.index];
    p.check = kValid;
    p.independenceFlag = kTrue;
    p.kind = 0;
    return ref;
  }

  int AddStep(std::string_view code, std::initializer_list<ObjRef> in, std::initializer_list<ObjRef> out) {
    return AppendStep(app.fig, code, in, out);
  }
};

// Matchers for recorded calls.
inline auto PixelAt(PixelPoint at, Rgb colour) {
  return [=](const Drawn& d) { return d.kind == Drawn::Kind::kPixel && Near(d.a, at) && d.colour == colour; };
}
inline auto LineFrom(PixelPoint a, PixelPoint b, Rgb colour) {
  return [=](const Drawn& d) {
    return d.kind == Drawn::Kind::kLine && Near(d.a, a) && Near(d.b, b) && d.colour == colour;
  };
}
inline auto CircleAt(PixelPoint centre, double radius, Rgb colour) {
  return [=](const Drawn& d) {
    return d.kind == Drawn::Kind::kCircle && Near(d.a, centre) && std::fabs(d.radius - radius) < 1e-6 &&
           d.colour == colour;
  };
}
inline auto TextAt(PixelPoint at, std::string_view text, Rgb colour) {
  return [=](const Drawn& d) {
    return d.kind == Drawn::Kind::kText && Near(d.a, at) && d.text == text && d.colour == colour;
  };
}
inline auto InColour(Rgb colour) {
  return [=](const Drawn& d) { return d.colour == colour; };
}

}  // namespace zm
