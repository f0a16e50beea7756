#pragma once
// Computed numbers: a CALC step evaluates the formula of its output number.

#include <span>

#include "figure/figure.h"

namespace zm {

// Evaluates the formula of the number in output slot 1 of the step and stores the value with
// check -1. A formula that cannot be evaluated (blank, malformed, naming a missing number, or a
// result outside the reals) leaves the number as it is.
void EvalCalcStep(Figure& fig, int step);

}  // namespace zm
