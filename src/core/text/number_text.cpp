#include "text/number_text.h"

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
void AppendExponent(std::string& out, int exponent) {
  out += 'E';
  out += exponent < 0 ? '-' : '+';
  const int magnitude = std::abs(exponent);
  if (magnitude < 10) out += '0';
  out += std::to_string(magnitude);
}

}  // namespace

std::string NumberText(double x) {
  // Nothing the program stores should be non-finite, but the text must still say what it is.
  if (std::isnan(x)) return " NaN";
  if (std::isinf(x)) return x < 0 ? "-Inf" : " Inf";
  // Negative zero shows as zero.
  if (x == 0) return " 0";

  // to_chars is locale-independent and rounds correctly: "d.dddddddddddddde+XX".
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(x),
                                    std::chars_format::scientific, kSignificantDigits - 1);
  std::string digits(1, buffer[0]);
  digits.append(buffer + 2, buffer + 1 + kSignificantDigits);
  int exponent = 0;
  const char* exponentStart = buffer + 2 + kSignificantDigits;  // after the 'e'
  if (*exponentStart == '+') ++exponentStart;
  std::from_chars(exponentStart, result.ptr, exponent);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  std::string out(1, x < 0 ? '-' : ' ');
  if (exponent < kFixedLowest || exponent > kFixedHighest) {
    out += digits[0];
    if (digits.size() > 1) {
      out += '.';
      out.append(digits, 1);
    }
    AppendExponent(out, exponent);
  } else if (exponent < 0) {
    out += '.';
    out.append(static_cast<std::size_t>(-exponent - 1), '0');
    out += digits;
  } else {
    const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= integerDigits) {
      out += digits;
      out.append(integerDigits - digits.size(), '0');
    } else {
      out.append(digits, 0, integerDigits);
      out += '.';
      out.append(digits, integerDigits);
    }
  }
  return out;
}

}  // namespace zm
