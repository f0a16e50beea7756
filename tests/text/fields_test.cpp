#include <gtest/gtest.h>

#include <string>

#include "text/fields.h"

namespace zm {
namespace {

TEST(FieldOf, SplitsAtTheFirstOfAnyDelimiter) {
  struct Case {
    const char* text;
    const char* delimiters;
    int n;
    const char* field;
  } cases[] = {
      {"12+34*5", "+-*/^", 1, "12"},
      {"12+34*5", "+-*/^", 2, "34"},
      {"12+34*5", "+-*/^", 3, "5"},
      {"12+34*5", "+-*/^", 4, ""},
      {"abc", "+", 1, "abc"},
      {"abc", "+", 2, ""},
      {"a*b+c", "+*", 1, "a"},  // the earliest delimiter wins, not the first listed
      {"+a", "+", 1, ""},
      {"+a", "+", 2, "a"},
      {"a++b", "+", 2, ""},
      {"a++b", "+", 3, "b"},
      {"a+", "+", 2, ""},
      {"", "+", 1, ""},
      {"a+b", "+", 0, ""},
      {"a+b", "+", -1, ""},
      {"名前@式", "@", 1, "名前"},
      {"名前@式", "@", 2, "式"},
      {"ＡＢ∠ＣＤ", "∠", 2, "ＣＤ"},  // a delimiter of several bytes
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.text) + " field " + std::to_string(c.n));
    EXPECT_EQ(FieldOf(c.text, c.delimiters, c.n), c.field);
  }
}

// The search stops before character 100 of the text being searched; positions count
// characters, so a text of Japanese characters has the same limit as an ASCII one.
TEST(FieldOf, SeesDelimitersOnlyBeforeCharacterOneHundred) {
  struct Case {
    const char* label;
    std::string filler;  // one character, repeated in front of the delimiter
    int delimiterPosition;
    bool seen;
  } cases[] = {
      {"ASCII at 99", "x", 99, true},
      {"ASCII at 100", "x", 100, false},
      {"three-byte characters at 99", "角", 99, true},
      {"three-byte characters at 100", "角", 100, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    std::string before;
    for (int i = 1; i < c.delimiterPosition; ++i) before += c.filler;
    const std::string text = before + "+tail";
    EXPECT_EQ(FieldOf(text, "+", 1), c.seen ? before : text);
    EXPECT_EQ(FieldOf(text, "+", 2), c.seen ? "tail" : "");
  }
}

TEST(FieldOf, CountsTheLimitAfreshInEachRemainder) {
  // The second delimiter stands at character 150 of the text but at 90 of the remainder.
  const std::string text = std::string(59, 'a') + "+" + std::string(89, 'b') + "+c";
  EXPECT_EQ(FieldOf(text, "+", 2), std::string(89, 'b'));
  EXPECT_EQ(FieldOf(text, "+", 3), "c");
}

TEST(TokenIndex, DropsTheMarkerAndReadsTheIndexAsASixteenBitInteger) {
  struct Case {
    const char* operand;
    std::int16_t index;
  } cases[] = {
      {"N12+", 12},
      {"  #3", 3},
      {"x12   ", 12},
      {"N 1 2", 12},
      {"12", 2},      // the first character is the marker, even a digit
      {"∠7", 7},      // a marker of several bytes
      {"N2.5", 2},    // a half goes to the even neighbour
      {"N3.5", 4},
      {"N-4", -4},
      {"N", 0},
      {"", 0},
      {"   ", 0},
      {"Nx", 0},
      {"N32767", 32767},
      {"N32768", 0},  // out of the 16-bit range
      {"N-40000", 0},
      {"N1E9", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("'") + c.operand + "'");
    EXPECT_EQ(TokenIndex(c.operand), c.index);
  }
}

}  // namespace
}  // namespace zm
