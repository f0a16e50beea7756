#pragma once
// A small figure for evaluating one construction step at a time: input objects placed by hand,
// output objects appended as the construction flow appends them, and the step evaluated through
// the real dispatcher with a scripted shell answering any message box.

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <vector>

#include "cli/scripted_shell.h"
#include "figure/figure.h"
#include "figure/recompute.h"

namespace zm {

// An input object: its kind, up to four values (x y, or end1 end2, or centre radius, or value)
// and its check state.
struct ObjInput {
  std::int16_t kind = kPoint;
  double v[4] = {};
  std::int16_t check = kValid;
};

inline ObjInput Pt(double x, double y) { return {kPoint, {x, y}}; }
inline ObjInput Num(double value) { return {kNumber, {value}}; }
inline ObjInput Ln(double x1, double y1, double x2, double y2) { return {kLine, {x1, y1, x2, y2}}; }
inline ObjInput Circ(double x, double y, double r) { return {kCircle, {x, y, r}}; }
// An input with the check state the dependency marking may leave on it (2 or -N still exist).
inline ObjInput WithCheck(ObjInput s, std::int16_t check) {
  s.check = check;
  return s;
}
inline ObjInput Invalid(ObjInput s) { return WithCheck(s, kInvalid); }

// Outputs start as an earlier evaluation left them: valid, at this stale place (a point at
// (99, 99), a line from (99, 99) to (99, 100), a circle about (99, 99) of radius 99, the number
// 99). A test then sees both that a failure clears the check and that it keeps the coordinates.
inline constexpr double kStale = 99;

struct StepFigure {
  StepFigure() { NewFigure(fig, kStandardCapacity); }

  ObjRef Append(std::int16_t kind) {
    const std::int16_t index = ++fig.ObjCount[kind];
    return {kind, index};
  }

  ObjRef Add(const ObjInput& s) {
    const ObjRef ref = Append(s.kind);
    const double* v = s.v;
    switch (s.kind) {
      case kNumber:
        fig.Numbers[ref.index].value = v[0];
        break;
      case kPoint:
        fig.Points[ref.index].x = v[0];
        fig.Points[ref.index].y = v[1];
        break;
      case kLine: {
        LineRec& l = fig.Lines[ref.index];
        l.end1 = {v[0], v[1]};
        l.end2 = {v[2], v[3]};
        const double length = std::hypot(v[2] - v[0], v[3] - v[1]);
        if (length > 0) l.direction = {(v[2] - v[0]) / length, (v[3] - v[1]) / length};
        break;
      }
      case kCircle:
        fig.Circles[ref.index].centre = {v[0], v[1]};
        fig.Circles[ref.index].radius = v[2];
        break;
    }
    SetCheck(fig, ref, s.check);
    return ref;
  }

  ObjRef AddOutput(std::int16_t kind) {
    const ObjRef ref = Append(kind);
    switch (kind) {
      case kNumber:
        fig.Numbers[ref.index].value = kStale;
        break;
      case kPoint:
        fig.Points[ref.index].x = kStale;
        fig.Points[ref.index].y = kStale;
        break;
      case kLine:
        fig.Lines[ref.index].end1 = {kStale, kStale};
        fig.Lines[ref.index].end2 = {kStale, kStale + 1};
        fig.Lines[ref.index].direction = {0, 1};
        break;
      case kCircle:
        fig.Circles[ref.index].centre = {kStale, kStale};
        fig.Circles[ref.index].radius = kStale;
        break;
    }
    SetCheck(fig, ref, kValid);
    return ref;
  }

  // Appends a step with the given code, input and output references.
  int AddStep(std::string_view code, std::initializer_list<ObjRef> in,
              std::initializer_list<ObjRef> out) {
    return AppendStep(fig, code, in, out);
  }

  // Places the inputs, appends fresh outputs of the given kinds and a step joining them.
  int Build(std::string_view code, const std::vector<ObjInput>& inputs,
            std::initializer_list<std::int16_t> outputKinds) {
    const int n = AddStep(code, {}, {});
    int slot = 1;
    for (const ObjInput& s : inputs) fig.StepIn[n][slot++] = Add(s);
    slot = 1;
    for (std::int16_t kind : outputKinds) fig.StepOut[n][slot++] = AddOutput(kind);
    return n;
  }

  void Eval(int step) { EvalStep(fig, shell, step); }

  ObjRef Out(int step, int slot) const { return fig.StepOut[step][slot]; }
  PointRec& OutPoint(int step, int slot) { return fig.Points[Out(step, slot).index]; }
  LineRec& OutLine(int step, int slot) { return fig.Lines[Out(step, slot).index]; }
  CircleRec& OutCircle(int step, int slot) { return fig.Circles[Out(step, slot).index]; }
  NumberRec& OutNumber(int step, int slot) { return fig.Numbers[Out(step, slot).index]; }

  Figure fig;
  ScriptedShell shell;
};

// An expected output point: its position, or nullopt for an invalid point that has kept its
// stale place.
inline void ExpectPoint(const PointRec& p, std::optional<Vec2> want, double tol = 1e-9) {
  if (!want) {
    EXPECT_EQ(p.check, kInvalid) << "the point should be invalid";
    EXPECT_EQ(p.x, kStale) << "an invalid point keeps its last place";
    EXPECT_EQ(p.y, kStale) << "an invalid point keeps its last place";
    return;
  }
  EXPECT_EQ(p.check, kValid);
  EXPECT_NEAR(p.x, want->x, tol);
  EXPECT_NEAR(p.y, want->y, tol);
}

}  // namespace zm
