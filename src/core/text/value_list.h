#pragma once
// The value list: one row per measured or computed number in the lower-left corner of the
// window, each row erasing the text it showed last time before it writes the new one.

#include <string>
#include <string_view>

#include "figure/app.h"

namespace zm {

void DrawValueList(App& app);

// A number text with `digits` decimal places: cut, not rounded; missing digits become blanks.
std::string FormatValue(std::string_view numberText, int digits);

}  // namespace zm
