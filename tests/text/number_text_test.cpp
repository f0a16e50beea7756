#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "text/number_reading.h"
#include "text/number_text.h"

namespace zm {
namespace {

TEST(NumberText, WritesFifteenDigitsWithoutLeadingZeroOrTrailingZeros) {
  struct Case {
    double x;
    const char* text;
  } cases[] = {
      {0.5, " .5"},
      {-0.25, "-.25"},
      {0, " 0"},
      {-0.0, " 0"},
      {-2, "-2"},
      {5, " 5"},
      {1.0 / 3.0, " .333333333333333"},
      {2.0 / 3.0, " .666666666666667"},
      {3.14159265358979, " 3.14159265358979"},
      {-1234.5, "-1234.5"},
      {100, " 100"},
      {0.1 + 0.2, " .3"},  // the 17-digit noise is rounded away
      {123456789012345.0, " 123456789012345"},
      {999999999999999.0, " 999999999999999"},
      {0.0001, " .0001"},
      {-0.000123, "-.000123"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(NumberText(c.x), c.text);
  }
}

TEST(NumberText, SwitchesToExponentFormOutsideFifteenIntegerDigitsAndFourZeroDecimals) {
  struct Case {
    double x;
    const char* text;
  } cases[] = {
      {1e15, " 1E+15"},
      {1e20, " 1E+20"},
      {-2.5e20, "-2.5E+20"},
      {1234567890123456.0, " 1.23456789012346E+15"},
      // 15 nines round up to the next power of ten, which no longer fits fixed notation.
      {9999999999999999.0, " 1E+16"},
      {0.00001, " 1E-05"},
      {0.00009999999999999999, " .0001"},  // rounds up into the fixed range
      {1.5e-7, " 1.5E-07"},
      {-1.5e-7, "-1.5E-07"},
      {1e100, " 1E+100"},
      {1e-300, " 1E-300"},
      {std::numeric_limits<double>::max(), " 1.79769313486232E+308"},
      {std::numeric_limits<double>::denorm_min(), " 4.94065645841247E-324"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(NumberText(c.x), c.text);
  }
}

TEST(NumberText, NamesNonFiniteValuesInsteadOfFailing) {
  EXPECT_EQ(NumberText(std::numeric_limits<double>::quiet_NaN()), " NaN");
  EXPECT_EQ(NumberText(std::numeric_limits<double>::infinity()), " Inf");
  EXPECT_EQ(NumberText(-std::numeric_limits<double>::infinity()), "-Inf");
}

TEST(NumberText, ReadsBackToFifteenSignificantDigits) {
  for (double x : {1.0 / 7.0, -123.456789, 6.02214076e23, 1.602176634e-19, 0.000123456789}) {
    SCOPED_TRACE(NumberText(x));
    const double back = ReadNumber(NumberText(x));
    EXPECT_NEAR(back, x, std::fabs(x) * 1e-14);
    EXPECT_EQ(NumberText(back), NumberText(x));
  }
}

}  // namespace
}  // namespace zm
