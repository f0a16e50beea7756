#pragma once
// The figure: the four object tables, the construction step list and the tables sized with them.

#include <array>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>

#include "figure/locus_tables.h"
#include "figure/records.h"
#include "figure/table.h"

namespace zm {

inline constexpr int kStandardCapacity = 30;  // objects of each kind; steps are twice as many
inline constexpr int kSlots = 5;              // input and output slots per step (1 ... 5)
inline constexpr int kObjCountEntries = 11;   // ObjCount 0 ... 10, of which 0 ... 3 are used

using StepSlots = std::array<ObjRef, kSlots + 1>;

struct Figure {
  int capacity = 0;  // objects of each kind; steps: 2 * capacity

  Table<NumberRec> Numbers;
  Table<PointRec> Points;
  Table<LineRec> Lines;
  Table<CircleRec> Circles;

  // The figure as last drawn (refilled by TakeSnapshot).
  Table<NumberRec> SnapshotNumbers;
  Table<PointRec> SnapshotPoints;
  Table<LineRec> SnapshotLines;
  Table<CircleRec> SnapshotCircles;

  std::array<std::int16_t, kObjCountEntries> ObjCount{};

  std::int16_t StepCount = 0;
  Table<ProcCode> StepCode;
  Table<StepSlots> StepIn;
  Table<StepSlots> StepOut;
  Table<std::int16_t> StepState;  // level from the dependency marking; 2 = left out
  Table<std::int16_t> SwapFlag;   // two-solution intersections: outputs trade places when -1

  // Evaluation context set by EvalStep.
  std::int16_t CurrentStep = 0;
  Table<std::int16_t> CurrentOutputs;  // entries 1 ... 5: output indices of CurrentStep

  std::int16_t PassCount = 0;  // passes of RecomputeAll, written by MarkDependencies

  // Per-construction settings of the construction flow, entries 0 ... 5.
  Table<std::int16_t> NewKind;
  Table<std::int16_t> NeedLineKind;

  LocusTables loci;

  int StepCapacity() const { return 2 * capacity; }
};

// Empties the whole figure and gives it capacity n (objects of each kind; 2n steps).
void NewFigure(Figure& fig, int n);

// Empties one record and gives it its automatic name; ObjCount is not changed.
void ClearObject(Figure& fig, ObjRef ref);

// "A" ... "Z", "[" ... "`", "a" ... "t" for points 1 ... 52; the decimal index otherwise.
std::string AutoName(std::int16_t kind, std::int16_t index);

// The check state of the referenced record; 0 for a kind outside 0 ... 3.
std::int16_t CheckOf(const Figure& fig, ObjRef ref);
void SetCheck(Figure& fig, ObjRef ref, std::int16_t check);

// The name of the referenced record without trailing blanks; empty for a kind outside 0 ... 3.
std::string NameOf(const Figure& fig, ObjRef ref);

// Stores a name: leading blanks removed, cut to the field width or filled with blanks.
void SetName(Figure& fig, ObjRef ref, std::string_view name);

// Appends a complete step with its code and its input and output references (slots 1 ... 5,
// the rest null); returns its index. Beyond the step capacity nothing is appended and 0 is given.
int AppendStep(Figure& fig, std::string_view code, std::span<const ObjRef> inputs,
               std::span<const ObjRef> outputs);
int AppendStep(Figure& fig, std::string_view code, std::initializer_list<ObjRef> inputs,
               std::initializer_list<ObjRef> outputs);

// The code of step n without trailing blanks.
std::string StepCodeText(const Figure& fig, int n);

}  // namespace zm
