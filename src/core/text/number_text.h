#pragma once
// Numbers shown to the user and written to files.

#include <string>

#include "figure/short_text.h"

namespace zm {

// At most 15 significant digits, trailing zeros and a bare point removed, a leading blank for
// zero or positive values and "-" for negative ones, no 0 before the point (" .5", "-.25", " 0"),
// exponent form with "E", a sign and at least two digits for very large and very small
// magnitudes (" 1E+20", " 1.5E-07"). Integers give " 5", "-1".
std::string NumberText(double x);

// The same text in a fixed buffer, for texts printed on every drag step.
using NumberChars = ShortText<32>;
NumberChars NumberTextChars(double x);

}  // namespace zm
