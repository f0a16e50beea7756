#pragma once
// The figure side of KeepSolutionOrder: the step being evaluated (or, outside a step
// evaluation, the step evaluated last) and the snapshot positions of its first two outputs.

#include "figure/figure.h"
#include "geometry/primitives.h"

namespace zm {

SolutionOrder SolutionOrderOf(Figure& fig);

}  // namespace zm
