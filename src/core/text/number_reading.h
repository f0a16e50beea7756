#pragma once
// Reading a number out of a text the way the program always has: blanks are skipped, the longest
// leading decimal number is taken, and a text without one reads 0.

#include <cstdint>
#include <optional>
#include <string_view>

namespace zm {

double ReadNumber(std::string_view text);

// The nearest 16-bit integer, a half going to the even neighbour; none when out of range or
// not finite.
std::optional<std::int16_t> RoundToInt16(double x);

}  // namespace zm
