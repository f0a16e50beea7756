#include "view/locus.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "view/render.h"

namespace zm {

namespace {

// A table grows by blocks, so that a long drag does not resize it at every step.
constexpr std::size_t kLocusGrowth = 50;

// Stores a copy of the record in its locus colour behind the `count` records held so far.
// A kind stops recording at kMaxLocusRecords: its count is a 16-bit number.
template <class Rec>
void Store(std::vector<Rec>& table, std::int16_t& count, const Rec& rec) {
  if (rec.locusColour == 0 || count >= kMaxLocusRecords) return;
  const std::size_t n = static_cast<std::size_t>(count) + 1;
  if (n >= table.size()) {
    const std::size_t blocks = (n - table.size()) / kLocusGrowth + 1;
    table.resize(table.size() + blocks * kLocusGrowth);
  }
  table[n] = rec;
  table[n].colour = rec.locusColour;
  count = static_cast<std::int16_t>(n);
}

void StoreTrace(Figure& fig, ObjRef ref) {
  LocusTables& loci = fig.loci;
  switch (ref.kind) {
    case kPoint: Store(loci.LocusPoints, loci.LocusCount[kPoint], fig.Points[ref.index]); break;
    case kLine: Store(loci.LocusLines, loci.LocusCount[kLine], fig.Lines[ref.index]); break;
    case kCircle: Store(loci.LocusCircles, loci.LocusCount[kCircle], fig.Circles[ref.index]); break;
    default: break;
  }
}

// Entries 1 ... count of a table; never more than the table holds.
template <class Rec, class Draw>
void DrawStored(const std::vector<Rec>& table, std::int16_t count, Draw draw) {
  const int last = std::min<int>(count, static_cast<int>(table.size()) - 1);
  for (int i = 1; i <= last; ++i) draw(table[static_cast<std::size_t>(i)]);
}

}  // namespace

void TraceObject(App& app, ObjRef ref) {
  // An object that does not depend on the moving point stays where it is.
  if (CheckOf(app.fig, ref) == kUnaffected) return;
  const bool tracing = app.LocusSW != kFalse;
  DrawObject(app, ref, tracing ? kDrawLocus : kDrawErase);
  if (tracing) StoreTrace(app.fig, ref);
}

void DrawTraces(App& app) {
  const LocusTables& loci = app.fig.loci;
  DrawStored(loci.LocusPoints, loci.LocusCount[kPoint], [&](const PointRec& p) { DrawPoint(app, p); });
  DrawStored(loci.LocusLines, loci.LocusCount[kLine], [&](const LineRec& l) { DrawLine(app, l); });
  DrawStored(loci.LocusCircles, loci.LocusCount[kCircle], [&](const CircleRec& c) { DrawCircle(app, c); });
}

}  // namespace zm
