#pragma once
// A run on a recording surface of 640 x 480 pixels at the default scale, with objects placed by
// hand (no construction steps unless a test adds them), and small readers of the recorded calls.

#include <gtest/gtest.h>

#include <cmath>
#include <string_view>
#include <vector>

#include "cli/recording_surface.h"
#include "cli/scripted_shell.h"
#include "figure/app.h"
#include "view/viewport.h"

namespace zm::viewtest {

inline constexpr Rgb kBackgroundGrey{192, 192, 192};
inline constexpr Rgb kBlack{0, 0, 0};

class ViewFixture : public ::testing::Test {
 protected:
  void SetUp() override { SetScreen(app); }

  ObjRef AddPoint(double x, double y, std::int16_t kind = 0, std::int16_t colour = 7) {
    const std::int16_t i = ++app.fig.ObjCount[kPoint];
    PointRec& p = app.fig.Points[i];
    p.x = x;
    p.y = y;
    p.kind = kind;
    p.colour = colour;
    p.check = kValid;
    app.fig.SnapshotPoints[i] = p;
    return {kPoint, i};
  }

  ObjRef AddLine(Vec2 end1, Vec2 end2, std::int16_t kind = 0, std::int16_t colour = 7) {
    const std::int16_t i = ++app.fig.ObjCount[kLine];
    LineRec& l = app.fig.Lines[i];
    l.end1 = end1;
    l.end2 = end2;
    const double length = std::hypot(end2.x - end1.x, end2.y - end1.y);
    if (length > 0) l.direction = {(end2.x - end1.x) / length, (end2.y - end1.y) / length};
    l.kind = kind;
    l.colour = colour;
    l.check = kValid;
    return {kLine, i};
  }

  ObjRef AddCircle(Vec2 centre, double radius, std::int16_t colour = 7) {
    const std::int16_t i = ++app.fig.ObjCount[kCircle];
    CircleRec& c = app.fig.Circles[i];
    c.centre = centre;
    c.radius = radius;
    c.colour = colour;
    c.check = kValid;
    return {kCircle, i};
  }

  ObjRef AddNumber(std::string_view name, double value, std::int16_t independenceFlag = 0) {
    const std::int16_t i = ++app.fig.ObjCount[kNumber];
    NumberRec& n = app.fig.Numbers[i];
    n.name.Assign(name);
    n.value = value;
    n.independenceFlag = independenceFlag;
    n.check = kValid;
    app.fig.SnapshotNumbers[i] = n;
    return {kNumber, i};
  }

  const std::vector<Drawn>& Calls() const { return surface.Calls(); }

  std::vector<Drawn> CallsOf(Drawn::Kind kind) const {
    std::vector<Drawn> out;
    for (const Drawn& d : surface.Calls())
      if (d.kind == kind) out.push_back(d);
    return out;
  }

  std::vector<std::string> Messages() const {
    std::vector<std::string> out;
    for (const std::string& line : shell.Log())
      if (line.rfind("message: ", 0) == 0) out.push_back(line.substr(9));
    return out;
  }

  ScriptedShell shell;
  RecordingSurface surface;
  App app{shell, surface};
};

inline bool Finite(PixelPoint p) { return std::isfinite(p.x) && std::isfinite(p.y); }

}  // namespace zm::viewtest
