#include "figure/locus_tables.h"

namespace zm {

namespace {
constexpr std::size_t kInitialLocusEntries = 201;
}

void ResetTraces(LocusTables& loci) {
  loci.LocusPoints.assign(kInitialLocusEntries, PointRec{});
  loci.LocusLines.assign(kInitialLocusEntries, LineRec{});
  loci.LocusCircles.assign(kInitialLocusEntries, CircleRec{});
  loci.LocusCount.fill(0);
}

}  // namespace zm
