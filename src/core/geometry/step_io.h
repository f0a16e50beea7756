#pragma once
// How a step evaluator reads the inputs of its step and writes the outputs.
//
// Only the index of a slot is used: the procedure code decides which table it names. Results
// are computed as values (geometry/value_primitives.h) and stored through StepIo, so that an
// output record changes only in its geometric fields and its check state, a failed result keeps
// its last coordinates, and a result that is not finite (an overflow) never reaches the tables.

#include <cstddef>
#include <cstdint>
#include <optional>

#include "figure/figure.h"
#include "geometry/proc_table.h"
#include "geometry/value_primitives.h"
#include "platform/alerts.h"

namespace zm {

class StepIo {
 public:
  StepIo(Figure& fig, Alerts& alerts, int step)
      : fig_(fig), alerts_(alerts), in_(fig.StepIn[step]), out_(fig.StepOut[step]) {}

  Figure& fig() { return fig_; }
  Alerts& alerts() { return alerts_; }

  // Input records by slot (1 ... 5). An index outside the table reads entry 0, which is invalid.
  const PointRec& Point(int slot) const { return fig_.Points[in_[slot].index]; }
  const LineRec& Line(int slot) const { return fig_.Lines[in_[slot].index]; }
  const CircleRec& Circle(int slot) const { return fig_.Circles[in_[slot].index]; }
  const NumberRec& Number(int slot) const { return fig_.Numbers[in_[slot].index]; }

  // Stores a result in output slot `slot`: its geometric fields and check -1 when there is one
  // and it is finite, otherwise only check 0. A slot that names no entry (such as the unused
  // second output of a perpendicular) drops the result, so entry 0 of a table is never written.
  void Store(int slot, const std::optional<Vec2>& result);
  void Store(int slot, const std::optional<LineGeometry>& result);
  void Store(int slot, const std::optional<CircleGeometry>& result);

  // The two solutions of one step into output slots 1 and 2: both, or neither.
  void StoreBoth(const std::optional<TwoPoints>& solutions);
  void StoreBoth(const std::optional<LineGeometry>& first,
                 const std::optional<LineGeometry>& second);

 private:
  Figure& fig_;
  Alerts& alerts_;
  const StepSlots& in_;
  const StepSlots& out_;
};

// A temporary point at `at` with the given check state (an end of a line taken as a point).
inline PointRec PointAt(Vec2 at, std::int16_t check) {
  PointRec p;
  p.x = at.x;
  p.y = at.y;
  p.check = check;
  return p;
}

// One entry of an evaluator's dispatch table: a packed procedure code and its computation.
struct StepProc {
  std::uint64_t code;
  void (*eval)(StepIo& io);
};

// Evaluates `step` by the entry of `procs` that carries the step's code. A code the table does
// not list changes nothing.
template <std::size_t N>
void RunStep(const ProcTable<StepProc, N>& procs, Figure& fig, Alerts& alerts, int step) {
  const StepProc* proc = procs.Find(fig.StepCode[step].Packed());
  if (proc == nullptr) return;
  StepIo io(fig, alerts, step);
  proc->eval(io);
}

}  // namespace zm
