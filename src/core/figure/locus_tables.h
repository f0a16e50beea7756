#pragma once
// Traces left by moving objects: whole records as they were when traced, in tracing order.

#include <array>
#include <cstdint>
#include <vector>

#include "figure/records.h"

namespace zm {

struct LocusTables {
  std::vector<PointRec> LocusPoints;    // entries 0 ... upper bound; entry 0 unused
  std::vector<LineRec> LocusLines;
  std::vector<CircleRec> LocusCircles;
  std::array<std::int16_t, 11> LocusCount{};  // indexed by ObjKind: 1 points, 2 lines, 3 circles
};

// Creates the three tables afresh with entries 0 ... 200 and all counts 0.
void ResetTraces(LocusTables& loci);

}  // namespace zm
