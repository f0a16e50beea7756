#include "text/number_reading.h"

#include "geometry/rounding.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace zm {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The characters of the number found, blanks left out, in the form from_chars reads. Short
// numbers (every operand index of a formula) stay in the fixed buffer; only a number text of
// extraordinary length spills into the string.
class NumberChars {
 public:
  void Push(char c) {
    if (count_ < small_.size()) {
      small_[count_++] = c;
      return;
    }
    if (large_.empty()) large_.assign(small_.data(), count_);
    large_ += c;
  }
  // Drops the characters pushed after the first `count`.
  void Truncate(std::size_t count) {
    if (large_.empty()) {
      count_ = count;
    } else {
      large_.resize(count);
    }
  }
  std::size_t Size() const { return large_.empty() ? count_ : large_.size(); }
  std::string_view View() const {
    return large_.empty() ? std::string_view(small_.data(), count_) : std::string_view(large_);
  }

 private:
  std::array<char, 64> small_{};
  std::size_t count_ = 0;
  std::string large_;
};

// Walks the text with blanks skipped wherever they stand.
class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) { SkipBlanks(); }
  char Peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }
  void Advance() {
    ++pos_;
    SkipBlanks();
  }

 private:
  void SkipBlanks() {
    while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
  }
  std::string_view text_;
  std::size_t pos_ = 0;
};

// The decimal exponent of the leading digit of the mantissa plus the written exponent: positive
// for a value too large for a double, negative for one too small.
long long MagnitudeOf(std::string_view number) {
  long long leading = 0;
  bool seenPoint = false;
  bool seenDigit = false;
  std::size_t i = 0;
  for (; i < number.size() && number[i] != 'e'; ++i) {
    const char c = number[i];
    if (c == '.') {
      seenPoint = true;
    } else if (c != '-') {
      if (c != '0') seenDigit = true;
      if (!seenPoint && seenDigit) ++leading;
      if (seenPoint && !seenDigit) --leading;
    }
  }
  long long written = 0;
  if (i < number.size()) {
    const char* first = number.data() + i + 1;
    const auto result = std::from_chars(first, number.data() + number.size(), written);
    // An exponent beyond any count of digits: only its sign matters.
    constexpr long long kHuge = std::numeric_limits<long long>::max() / 2;
    if (result.ec == std::errc::result_out_of_range) written = *first == '-' ? -kHuge : kHuge;
  }
  return leading + written;
}

}  // namespace

double ReadNumber(std::string_view text) {
  NumberChars number;
  Cursor at(text);
  bool negative = false;
  if (at.Peek() == '+' || at.Peek() == '-') {
    negative = at.Peek() == '-';
    if (negative) number.Push('-');
    at.Advance();
  }
  bool anyDigit = false;
  bool seenPoint = false;
  for (char c = at.Peek(); IsDigit(c) || (c == '.' && !seenPoint); c = at.Peek()) {
    anyDigit = anyDigit || IsDigit(c);
    seenPoint = seenPoint || c == '.';
    number.Push(c);
    at.Advance();
  }
  if (!anyDigit) return 0;

  // An exponent counts only with at least one digit; "1E" and "1E+" read 1.
  const char marker = at.Peek();
  if (marker == 'E' || marker == 'e' || marker == 'D' || marker == 'd') {
    const std::size_t mantissaEnd = number.Size();
    number.Push('e');
    at.Advance();
    if (at.Peek() == '+' || at.Peek() == '-') {
      if (at.Peek() == '-') number.Push('-');
      at.Advance();
    }
    bool exponentDigit = false;
    for (; IsDigit(at.Peek()); at.Advance()) {
      number.Push(at.Peek());
      exponentDigit = true;
    }
    if (!exponentDigit) number.Truncate(mantissaEnd);
  }

  const std::string_view chars = number.View();
  double value = 0;
  const auto result = std::from_chars(chars.data(), chars.data() + chars.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    // Too large reads as an infinity, which callers can tell from every real value; too small
    // reads as a zero of the same sign.
    const double magnitude =
        MagnitudeOf(chars) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -magnitude : magnitude;
  }
  return value;
}

std::optional<std::int16_t> RoundToInt16(double x) {
  if (!std::isfinite(x)) return std::nullopt;
  const double rounded = RoundHalfEven(x);
  if (rounded < std::numeric_limits<std::int16_t>::min() ||
      rounded > std::numeric_limits<std::int16_t>::max())
    return std::nullopt;
  return static_cast<std::int16_t>(rounded);
}

}  // namespace zm
