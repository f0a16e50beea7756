#pragma once
// The snapshot: the figure as last drawn, so that a drag step can erase objects at their old
// places and the intersections can keep their two solutions apart.

#include "figure/figure.h"

namespace zm {

// Copies records 1 ... ObjCount of every kind into the snapshot tables.
void TakeSnapshot(Figure& fig);

}  // namespace zm
