#pragma once
// The labels of measured numbers, computed numbers and two-point lines, rebuilt from the names
// of their inputs.

#include "figure/figure.h"

namespace zm {

void RebuildLabels(Figure& fig);

}  // namespace zm
