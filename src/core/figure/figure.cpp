#include "figure/figure.h"

namespace zm {

namespace {

constexpr std::int16_t kDefaultColour = 7;
constexpr int kLetterNamedPoints = 52;

void ClearRecord(NumberRec& n) { n = NumberRec{}; }

// Kind, independence flag, binding index and locus colour survive a clearing.
void ClearRecord(PointRec& p) {
  p.x = 0;
  p.y = 0;
  p.colour = kDefaultColour;
  p.parameter = 0;
  p.check = 0;
  p.bindingKind = 0;
  p.name.Assign("");
}

// Locus colour and name survive a clearing.
void ClearRecord(LineRec& l) {
  l.end1 = {};
  l.end2 = {};
  l.check = 0;
  l.kind = 0;
  l.direction = {};
  l.colour = kDefaultColour;
}

// Locus colour and name survive a clearing.
void ClearRecord(CircleRec& c) {
  c.centre = {};
  c.radius = 0;
  c.check = 0;
  c.colour = kDefaultColour;
}

template <class Rec>
void ClearTable(Table<Rec>& table, std::int16_t kind, bool named) {
  for (int i = 1; i <= table.LastIndex(); ++i) {
    ClearRecord(table[i]);
    if (named) table[i].name.Assign(AutoName(kind, static_cast<std::int16_t>(i)));
  }
}

std::string_view LeftTrimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  return text;
}

}  // namespace

void NewFigure(Figure& fig, int n) {
  const int steps = 2 * n;
  fig.capacity = n;
  // 1. the step list
  fig.StepCode.Reset(steps);
  fig.StepIn.Reset(steps);
  fig.StepOut.Reset(steps);
  fig.StepState.Reset(steps);
  // 2. the object tables and their snapshots
  for (auto* t : {&fig.Numbers, &fig.SnapshotNumbers}) t->Reset(n);
  for (auto* t : {&fig.Points, &fig.SnapshotPoints}) t->Reset(n);
  for (auto* t : {&fig.Lines, &fig.SnapshotLines}) t->Reset(n);
  for (auto* t : {&fig.Circles, &fig.SnapshotCircles}) t->Reset(n);
  // 3. counts
  fig.ObjCount.fill(0);
  // 4. evaluation context and swap flags
  fig.CurrentOutputs.Reset(steps);
  fig.SwapFlag.Reset(steps);
  // 5. traces
  ResetTraces(fig.loci);
  // 6. clear every record
  fig.StepCount = 0;
  ClearTable(fig.Numbers, kNumber, false);
  ClearTable(fig.Points, kPoint, true);
  ClearTable(fig.Lines, kLine, true);
  ClearTable(fig.Circles, kCircle, true);
  ClearTable(fig.SnapshotNumbers, kNumber, false);
  ClearTable(fig.SnapshotPoints, kPoint, false);
  ClearTable(fig.SnapshotLines, kLine, false);
  ClearTable(fig.SnapshotCircles, kCircle, false);
  // 7. per-construction settings
  for (auto* t : {&fig.NewKind, &fig.NeedLineKind}) {
    t->Reset(kSlots);
    for (int i = 1; i <= kSlots; ++i) (*t)[i] = -1;
  }
}

void ClearObject(Figure& fig, ObjRef ref) {
  switch (ref.kind) {
    case kNumber:
      ClearRecord(fig.Numbers[ref.index]);
      return;
    case kPoint:
      ClearRecord(fig.Points[ref.index]);
      fig.Points[ref.index].name.Assign(AutoName(kPoint, ref.index));
      return;
    case kLine:
      ClearRecord(fig.Lines[ref.index]);
      fig.Lines[ref.index].name.Assign(AutoName(kLine, ref.index));
      return;
    case kCircle:
      ClearRecord(fig.Circles[ref.index]);
      fig.Circles[ref.index].name.Assign(AutoName(kCircle, ref.index));
      return;
    default:
      return;
  }
}

std::string AutoName(std::int16_t kind, std::int16_t index) {
  if (kind == kPoint && index >= 1 && index <= kLetterNamedPoints)
    return std::string(1, static_cast<char>(64 + index));
  return std::to_string(index);
}

std::int16_t CheckOf(const Figure& fig, ObjRef ref) {
  switch (ref.kind) {
    case kNumber: return fig.Numbers[ref.index].check;
    case kPoint: return fig.Points[ref.index].check;
    case kLine: return fig.Lines[ref.index].check;
    case kCircle: return fig.Circles[ref.index].check;
    default: return 0;
  }
}

void SetCheck(Figure& fig, ObjRef ref, std::int16_t check) {
  switch (ref.kind) {
    case kNumber: fig.Numbers[ref.index].check = check; return;
    case kPoint: fig.Points[ref.index].check = check; return;
    case kLine: fig.Lines[ref.index].check = check; return;
    case kCircle: fig.Circles[ref.index].check = check; return;
    default: return;
  }
}

std::string NameOf(const Figure& fig, ObjRef ref) {
  switch (ref.kind) {
    case kNumber: return fig.Numbers[ref.index].name.Trimmed();
    case kPoint: return fig.Points[ref.index].name.Trimmed();
    case kLine: return fig.Lines[ref.index].name.Trimmed();
    case kCircle: return fig.Circles[ref.index].name.Trimmed();
    default: return {};
  }
}

void SetName(Figure& fig, ObjRef ref, std::string_view name) {
  const std::string_view text = LeftTrimmed(name);
  switch (ref.kind) {
    case kNumber: fig.Numbers[ref.index].name.Assign(text); return;
    case kPoint: fig.Points[ref.index].name.Assign(text); return;
    case kLine: fig.Lines[ref.index].name.Assign(text); return;
    case kCircle: fig.Circles[ref.index].name.Assign(text); return;
    default: return;
  }
}

int AppendStep(Figure& fig, std::string_view code, std::span<const ObjRef> inputs,
               std::span<const ObjRef> outputs) {
  if (fig.StepCount >= fig.StepCapacity()) return 0;
  const int n = ++fig.StepCount;
  fig.StepCode[n].Assign(code);
  fig.StepIn[n] = StepSlots{};
  fig.StepOut[n] = StepSlots{};
  for (std::size_t i = 0; i < inputs.size() && i < kSlots; ++i) fig.StepIn[n][i + 1] = inputs[i];
  for (std::size_t i = 0; i < outputs.size() && i < kSlots; ++i) fig.StepOut[n][i + 1] = outputs[i];
  return n;
}

int AppendStep(Figure& fig, std::string_view code, std::initializer_list<ObjRef> inputs,
               std::initializer_list<ObjRef> outputs) {
  return AppendStep(fig, code, std::span<const ObjRef>(inputs.begin(), inputs.size()),
                    std::span<const ObjRef>(outputs.begin(), outputs.size()));
}

std::string StepCodeText(const Figure& fig, int n) { return fig.StepCode[n].Trimmed(); }

}  // namespace zm
