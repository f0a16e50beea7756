#pragma once
// Computed numbers: a CALC step evaluates the formula of its output number.

#include <optional>
#include <span>

#include "figure/figure.h"

namespace zm {

// Evaluates the formula of the number in output slot 1 of the step and stores the value with
// check -1. A formula that cannot be evaluated (blank, malformed, naming a missing number, or a
// result outside the reals) leaves the number as it is.
void EvalCalcStep(Figure& fig, int step);

// Reduces operand(1) operator(1) operand(2) ... operand(m): the leftmost occurrence of the
// highest-priority operator first ("^", then "/", "*", "-", "+"); a divisor below 0.01 in
// magnitude gives 0. None when the operators do not fit between the operands, when there are
// more than 24 of them, or when a step leaves the finite reals.
std::optional<double> EvaluateExpression(std::span<const double> operands,
                                         std::span<const char> operators);

}  // namespace zm
