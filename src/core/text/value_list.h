#pragma once
// The value list: one row per measured or computed number in the lower-left corner of the
// window, each row erasing the text it showed last time before it writes the new one.

#include <string>
#include <string_view>

#include "figure/app.h"
#include "figure/short_text.h"

namespace zm {

void DrawValueList(App& app);

// A number text with `digits` decimal places: cut, not rounded; missing digits become blanks.
std::string FormatValue(std::string_view numberText, int digits);

// The same, appended to a fixed buffer (a value text of 32 characters and 20 decimals fit).
using ValueChars = ShortText<64>;
void AppendFormattedValue(ValueChars& out, std::string_view numberText, int digits);

}  // namespace zm
