#include "text/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace zm {

namespace {

constexpr int kSignificantDigits = 15;

// Decimal exponents of the rounded value that are still written in fixed notation: a 15-digit
// integer part, and fractions down to .0001.
constexpr int kFixedLowest = -4;
constexpr int kFixedHighest = kSignificantDigits - 1;

// The exponent part "E+05", "E-123": a sign and at least two digits.
void AppendExponent(NumberChars& out, int exponent) {
  out.Append("E");
  out.Append(exponent < 0 ? "-" : "+");
  const int magnitude = std::abs(exponent);
  char digits[8];
  const auto end = std::to_chars(digits, digits + sizeof digits, magnitude).ptr;
  if (magnitude < 10) out.Append("0");
  out.Append(std::string_view(digits, static_cast<std::size_t>(end - digits)));
}

}  // namespace

NumberChars NumberTextChars(double x) {
  NumberChars out;
  // Nothing the program stores should be non-finite, but the text must still say what it is.
  if (std::isnan(x)) {
    out.Append(" NaN");
    return out;
  }
  if (std::isinf(x)) {
    out.Append(x < 0 ? "-Inf" : " Inf");
    return out;
  }
  // Negative zero shows as zero.
  if (x == 0) {
    out.Append(" 0");
    return out;
  }

  // to_chars is locale-independent and rounds correctly: "d.dddddddddddddde+XX".
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(x),
                                    std::chars_format::scientific, kSignificantDigits - 1);
  char digitChars[kSignificantDigits];
  digitChars[0] = buffer[0];
  std::copy(buffer + 2, buffer + 1 + kSignificantDigits, digitChars + 1);
  std::size_t digitCount = kSignificantDigits;
  while (digitCount > 1 && digitChars[digitCount - 1] == '0') --digitCount;
  const std::string_view digits(digitChars, digitCount);
  int exponent = 0;
  const char* exponentStart = buffer + 2 + kSignificantDigits;  // after the 'e'
  if (*exponentStart == '+') ++exponentStart;
  std::from_chars(exponentStart, result.ptr, exponent);

  out.Append(x < 0 ? "-" : " ");
  if (exponent < kFixedLowest || exponent > kFixedHighest) {
    out.Append(digits.substr(0, 1));
    if (digits.size() > 1) {
      out.Append(".");
      out.Append(digits.substr(1));
    }
    AppendExponent(out, exponent);
  } else if (exponent < 0) {
    out.Append(".");
    out.Append(static_cast<std::size_t>(-exponent - 1), '0');
    out.Append(digits);
  } else {
    const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= integerDigits) {
      out.Append(digits);
      out.Append(integerDigits - digits.size(), '0');
    } else {
      out.Append(digits.substr(0, integerDigits));
      out.Append(".");
      out.Append(digits.substr(integerDigits));
    }
  }
  return out;
}

std::string NumberText(double x) { return std::string(NumberTextChars(x).View()); }

}  // namespace zm
