#include "figure/recompute.h"

#include <algorithm>

#include "geometry/bound_points.h"
#include "geometry/evaluators.h"
#include "text/expressions.h"

namespace zm {

namespace {

constexpr std::uint64_t kCalc = PackCode("CALC");
constexpr std::uint64_t kBoundPointPrefix = PackCode("PBND");

bool IsBound(const PointRec& p) { return p.bindingKind >= 1 && p.bindingKind <= 3; }

bool StartsWithPbnd(const ProcCode& code) {
  std::uint64_t packed = 0;
  for (int i = 0; i < 4; ++i) {
    if (code.At(i) > 0x7F) return false;
    packed = (packed << 8) | code.At(i);
  }
  return packed == kBoundPointPrefix;
}

std::int16_t OutputCheckFor(std::int16_t level, int n) {
  if (level == 0) return 0;
  if (level == kUnaffected) return kUnaffected;
  return static_cast<std::int16_t>(-n);
}

// Places every bound point on its host; its check state becomes the host's, or the smaller of
// its own and the host's when `keepSmaller` is set. Returns whether any point is bound.
bool PlaceBoundPoints(Figure& fig, Alerts& alerts, bool keepSmaller) {
  bool anyBound = false;
  for (int p = 1; p <= fig.ObjCount[kPoint]; ++p) {
    PointRec& point = fig.Points[p];
    if (point.independenceFlag == 0) continue;
    if (point.bindingKind != 0) anyBound = true;
    if (!IsBound(point)) continue;
    PlaceBoundPoint(fig, alerts, p);
    const std::int16_t host = HostCheck(fig, point);
    point.check = keepSmaller ? std::min(point.check, host) : host;
  }
  return anyBound;
}

// One level pass of the marking; returns whether any level changed.
bool LevelPass(Figure& fig) {
  bool changed = false;
  for (int n = 1; n <= fig.StepCount; ++n) {
    const std::int16_t level = StepLevel(fig, n);
    if (level != fig.StepState[n]) changed = true;
    fig.StepState[n] = level;
    SetOutputChecks(fig, n, OutputCheckFor(level, n));
  }
  return changed;
}

void FinalPass(Figure& fig, Alerts& alerts) {
  for (int n = 1; n <= fig.StepCount; ++n) {
    const std::int16_t level = StepLevel(fig, n);
    fig.StepState[n] = level;
    SetOutputChecks(fig, n, OutputCheckFor(level, n));
    if (level == kUnaffected && StartsWithPbnd(fig.StepCode[n])) SetOutputChecks(fig, n, kValid);
  }
  PlaceBoundPoints(fig, alerts, true);
}

}  // namespace

void EvalStep(Figure& fig, Alerts& alerts, int n) {
  const ProcCode& code = fig.StepCode[n];
  if (code.Packed() == kCalc) EvalCalcStep(fig, n);
  fig.CurrentStep = static_cast<std::int16_t>(n);
  const StepSlots& out = fig.StepOut[n];
  for (int i = 1; i <= kSlots; ++i) fig.CurrentOutputs[i] = out[i].index;
  switch (code.FirstLetter()) {
    case U'N': EvalNumberStep(fig, alerts, n); break;
    case U'P': EvalPointStep(fig, alerts, n); break;
    case U'L': EvalLineStep(fig, alerts, n); break;
    case U'C': EvalCircleStep(fig, alerts, n); break;
    default: break;
  }
}

std::int16_t StepLevel(const Figure& fig, int n) {
  std::int16_t level = kUnaffected;
  for (int i = 1; i <= kSlots; ++i) {
    const ObjRef in = fig.StepIn[n][i];
    if (in.kind % 100 == 0 && in.index == 0) {
      if (i == 1) level = -1;
      break;
    }
    const std::int16_t check = CheckOf(fig, in);
    if (check == 0) return 0;
    level = std::min(level, check);
  }
  return level;
}

void SetOutputChecks(Figure& fig, int n, std::int16_t v) {
  for (int i = 1; i <= kSlots; ++i) {
    const ObjRef out = fig.StepOut[n][i];
    if (out.IsNull()) return;
    SetCheck(fig, out, v);
  }
}

void MarkDependencies(Figure& fig, Alerts& alerts, ObjRef moving) {
  for (int n = 1; n <= fig.StepCapacity(); ++n) fig.StepState[n] = 0;
  const bool movingPoint = moving.kind == kPoint;
  if (movingPoint) fig.Points[moving.index].check = kValid;
  // A file may bring a list whose steps use objects of later steps; the levels of a list of
  // StepCount steps settle within StepCount + 1 passes whenever they settle at all.
  const int maxLevelPasses = fig.StepCount + 1;
  int levelPasses = 0;
  bool anyBound = false;
  bool changed = true;
  while (changed && levelPasses < maxLevelPasses) {
    changed = LevelPass(fig);
    anyBound = PlaceBoundPoints(fig, alerts, false) || anyBound;
    ++levelPasses;
  }
  fig.PassCount = static_cast<std::int16_t>(levelPasses - 1 + (anyBound ? 1 : 0));
  if (movingPoint) fig.Points[moving.index].check = kValid;
  for (int pass = 0; pass < fig.PassCount; ++pass) FinalPass(fig, alerts);
}

void RecomputeAll(Figure& fig, Alerts& alerts) {
  for (int pass = 0; pass < fig.PassCount; ++pass) {
    for (int n = 1; n <= fig.StepCount; ++n)
      if (fig.StepState[n] != kUnaffected) EvalStep(fig, alerts, n);
    PlaceBoundPoints(fig, alerts, true);
  }
}

void RecomputeFromScratch(Figure& fig, Alerts& alerts) {
  for (int i = 1; i <= fig.Numbers.LastIndex(); ++i)
    if (fig.Numbers[i].check != 0) fig.Numbers[i].check = kValid;
  for (int i = 1; i <= fig.Points.LastIndex(); ++i)
    if (fig.Points[i].check != 0) fig.Points[i].check = kValid;
  MarkDependencies(fig, alerts, ObjRef{});
  RecomputeAll(fig, alerts);
}

}  // namespace zm
