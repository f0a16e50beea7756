#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "text/number_reading.h"

namespace zm {
namespace {

TEST(ReadNumber, TakesTheLongestLeadingNumberWithBlanksSkippedAnywhere) {
  struct Case {
    const char* text;
    double value;
  } cases[] = {
      {"12", 12},
      {"  12+", 12},
      {"12   ", 12},
      {"1 2 3", 123},
      {"\t-\n4.5", -4.5},
      {"+7", 7},
      {".5", 0.5},
      {"-.25", -0.25},
      {"5.", 5},
      {"1.5.5", 1.5},  // one decimal point only
      {"3.0", 3},
      {"1E3", 1000},
      {"1e-3", 0.001},
      {"2D2", 200},
      {"2d+2", 200},
      {"1 E 2", 100},
      {"1E", 1},   // an exponent needs a digit
      {"1E+", 1},
      {"1Ex", 1},
      {"12abc", 12},
      {"", 0},
      {"   ", 0},
      {"abc", 0},
      {"-", 0},
      {".", 0},
      {"+-3", 0},  // one sign only
      {"--3", 0},
      {"0.1", 0.1},  // correctly rounded, no digit-by-digit error
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("'") + c.text + "'");
    EXPECT_EQ(ReadNumber(c.text), c.value);
  }
}

TEST(ReadNumber, KeepsTheSignOfZeroAndOfValuesOutOfRange) {
  EXPECT_TRUE(std::signbit(ReadNumber("-0")));
  EXPECT_EQ(ReadNumber("1E400"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(ReadNumber("-1E400"), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(ReadNumber("1E-400"), 0);
  EXPECT_TRUE(std::signbit(ReadNumber("-1E-400")));
  EXPECT_EQ(ReadNumber("0.001E-400"), 0);
  EXPECT_EQ(ReadNumber("1E-99999999999999999999999"), 0);
  EXPECT_EQ(ReadNumber("1E+99999999999999999999999"), std::numeric_limits<double>::infinity());
}

TEST(ReadNumber, ReadsNumbersLongerThanAnyUsualText) {
  const std::string digits = "1" + std::string(200, '0');
  EXPECT_EQ(ReadNumber(digits), 1e200);
  EXPECT_EQ(ReadNumber("." + std::string(99, '0') + "1"), 1e-100);
  EXPECT_DOUBLE_EQ(ReadNumber(std::string(100, ' ') + "2.5"), 2.5);
}

TEST(RoundToInt16, RoundsHalvesToEvenWithinTheSixteenBitRange) {
  struct Case {
    double x;
    std::optional<std::int16_t> value;
  } cases[] = {
      {0, 0},
      {2.4, 2},
      {2.5, 2},
      {3.5, 4},
      {2.6, 3},
      {-2.5, -2},
      {-3.5, -4},
      {-0.5, 0},
      {0.5, 0},
      {1.5, 2},
      {32767, 32767},
      {32767.4, 32767},
      {32767.5, std::nullopt},  // the even neighbour 32768 is out of range
      {-32768, -32768},
      {-32768.5, -32768},
      {-32769, std::nullopt},
      {1e300, std::nullopt},
      {std::numeric_limits<double>::infinity(), std::nullopt},
      {std::numeric_limits<double>::quiet_NaN(), std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.x);
    EXPECT_EQ(RoundToInt16(c.x), c.value);
  }
}

}  // namespace
}  // namespace zm
