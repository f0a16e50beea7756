#pragma once
// Rounding to the nearest integer with halves going to the even neighbour, as the program has
// always converted reals to integers (REV lines, formula operands, the tangent's whole degree).
// Written out rather than left to the floating-point rounding mode.

#include <cmath>

namespace zm {

inline double RoundHalfEven(double x) {
  const double below = std::floor(x);
  const double fraction = x - below;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0)) return below + 1;
  return below;
}

}  // namespace zm
