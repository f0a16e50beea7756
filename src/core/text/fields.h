#pragma once
// Splitting texts at delimiter characters, and the number index of a formula operand.

#include <cstdint>
#include <string>
#include <string_view>

namespace zm {

// The n-th field of `text` split at the first occurrence of any of `delimiters` (positions in
// characters; a delimiter at position 100 or later is not seen). n below 1 gives "".
std::string FieldOf(std::string_view text, std::string_view delimiters, int n);

// The number index that a formula operand such as "N12+" or "  #3" names.
std::int16_t TokenIndex(std::string_view operand);

}  // namespace zm
