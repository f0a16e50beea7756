#include "geometry/step_io.h"

#include <cmath>

namespace zm {

namespace {

bool Finite(Vec2 v) { return std::isfinite(v.x) && std::isfinite(v.y); }

bool Usable(const PointRec& r) { return r.check != kInvalid && Finite({r.x, r.y}); }
bool Usable(const LineRec& r) {
  return r.check != kInvalid && Finite(r.end1) && Finite(r.end2) && Finite(r.direction);
}
bool Usable(const CircleRec& r) {
  return r.check != kInvalid && Finite(r.centre) && std::isfinite(r.radius);
}

void CopyGeometry(const PointRec& from, PointRec& to) {
  to.x = from.x;
  to.y = from.y;
}
void CopyGeometry(const LineRec& from, LineRec& to) {
  to.end1 = from.end1;
  to.end2 = from.end2;
  to.direction = from.direction;
}
void CopyGeometry(const CircleRec& from, CircleRec& to) {
  to.centre = from.centre;
  to.radius = from.radius;
}

template <class Rec>
void Put(Table<Rec>& table, int index, const Rec& result, bool usable) {
  if (!table.Holds(index)) return;
  Rec& out = table[index];
  if (usable) CopyGeometry(result, out);
  out.check = usable ? kValid : kInvalid;
}

}  // namespace

void StepIo::Store(int slot, const PointRec& result) {
  Put(fig_.Points, out_[slot].index, result, Usable(result));
}

void StepIo::Store(int slot, const LineRec& result) {
  Put(fig_.Lines, out_[slot].index, result, Usable(result));
}

void StepIo::Store(int slot, const CircleRec& result) {
  Put(fig_.Circles, out_[slot].index, result, Usable(result));
}

void StepIo::StoreBoth(const PointRec& first, const PointRec& second) {
  const bool usable = Usable(first) && Usable(second);
  Put(fig_.Points, out_[1].index, first, usable);
  Put(fig_.Points, out_[2].index, second, usable);
}

void StepIo::StoreBoth(const LineRec& first, const LineRec& second) {
  const bool usable = Usable(first) && Usable(second);
  Put(fig_.Lines, out_[1].index, first, usable);
  Put(fig_.Lines, out_[2].index, second, usable);
}

void RunStep(std::span<const StepProc> procs, Figure& fig, Alerts& alerts, int step) {
  const std::uint64_t code = fig.StepCode[step].Packed();
  for (const StepProc& proc : procs) {
    if (proc.code != code) continue;
    StepIo io(fig, alerts, step);
    proc.eval(io);
    return;
  }
}

}  // namespace zm
