#include "geometry/step_io.h"

#include <cmath>

namespace zm {

namespace {

bool Finite(Vec2 v) { return std::isfinite(v.x) && std::isfinite(v.y); }

bool Usable(const std::optional<Vec2>& r) { return r && Finite(*r); }
bool Usable(const std::optional<LineGeometry>& r) {
  return r && Finite(r->end1) && Finite(r->end2) && Finite(r->direction);
}
bool Usable(const std::optional<CircleGeometry>& r) {
  return r && Finite(r->centre) && std::isfinite(r->radius);
}

void CopyGeometry(Vec2 from, PointRec& to) {
  to.x = from.x;
  to.y = from.y;
}
void CopyGeometry(const LineGeometry& from, LineRec& to) {
  to.end1 = from.end1;
  to.end2 = from.end2;
  to.direction = from.direction;
}
void CopyGeometry(const CircleGeometry& from, CircleRec& to) {
  to.centre = from.centre;
  to.radius = from.radius;
}

// Writes the geometry of `result` and check -1, or, for no usable result, only check 0.
template <class Rec, class Value>
void Put(Table<Rec>& table, int index, const Value* result) {
  if (!table.Holds(index)) return;
  Rec& out = table[index];
  if (result) CopyGeometry(*result, out);
  out.check = result ? kValid : kInvalid;
}

}  // namespace

void StepIo::Store(int slot, const std::optional<Vec2>& result) {
  Put(fig_.Points, out_[slot].index, Usable(result) ? &*result : nullptr);
}

void StepIo::Store(int slot, const std::optional<LineGeometry>& result) {
  Put(fig_.Lines, out_[slot].index, Usable(result) ? &*result : nullptr);
}

void StepIo::Store(int slot, const std::optional<CircleGeometry>& result) {
  Put(fig_.Circles, out_[slot].index, Usable(result) ? &*result : nullptr);
}

void StepIo::StoreBoth(const std::optional<TwoPoints>& solutions) {
  const bool usable = solutions && Finite(solutions->first) && Finite(solutions->second);
  Put(fig_.Points, out_[1].index, usable ? &solutions->first : nullptr);
  Put(fig_.Points, out_[2].index, usable ? &solutions->second : nullptr);
}

void StepIo::StoreBoth(const std::optional<LineGeometry>& first,
                       const std::optional<LineGeometry>& second) {
  const bool usable = Usable(first) && Usable(second);
  Put(fig_.Lines, out_[1].index, usable ? &*first : nullptr);
  Put(fig_.Lines, out_[2].index, usable ? &*second : nullptr);
}

}  // namespace zm
