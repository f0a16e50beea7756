#include "text/fields.h"

#include <optional>

#include "figure/fixed_text.h"
#include "text/number_reading.h"

namespace zm {

namespace {

// Delimiters are looked for only among the first 99 characters of the text being searched.
constexpr int kSearchLimit = 100;

bool IsDelimiter(char32_t c, std::string_view delimiters) {
  for (std::size_t pos = 0; pos < delimiters.size();)
    if (NextCodePoint(delimiters, pos) == c) return true;
  return false;
}

struct Split {
  std::size_t fieldEnd;   // byte offset of the delimiter
  std::size_t restStart;  // byte offset just after it
};

// The first delimiter among the searched characters of `text`, if any.
std::optional<Split> FirstDelimiter(std::string_view text, std::string_view delimiters) {
  std::size_t pos = 0;
  for (int position = 1; position < kSearchLimit && pos < text.size(); ++position) {
    const std::size_t start = pos;
    if (IsDelimiter(NextCodePoint(text, pos), delimiters)) return Split{start, pos};
  }
  return std::nullopt;
}

}  // namespace

std::string FieldOf(std::string_view text, std::string_view delimiters, int n) {
  if (n < 1) return {};
  // Each field is searched afresh, so the position limit counts from the start of its remainder.
  for (; n > 1; --n) {
    const auto split = FirstDelimiter(text, delimiters);
    if (!split) return {};
    text.remove_prefix(split->restStart);
  }
  const auto split = FirstDelimiter(text, delimiters);
  return std::string(split ? text.substr(0, split->fieldEnd) : text);
}

std::int16_t TokenIndex(std::string_view operand) {
  while (!operand.empty() && operand.front() == ' ') operand.remove_prefix(1);
  if (operand.empty()) return 0;
  // The marker character is dropped whatever it is, including a character of several bytes.
  std::size_t pos = 0;
  NextCodePoint(operand, pos);
  return RoundToInt16(ReadNumber(operand.substr(pos))).value_or(0);
}

}  // namespace zm
