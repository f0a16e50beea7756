#include "text/sjis.h"

#include <gtest/gtest.h>

namespace zm {
namespace {

TEST(Sjis, EncodesTheCharactersTheProgramWritesWithTheWindowsTable) {
  struct Case {
    const char* utf8;
    const char* sjis;
  } cases[] = {
      {"AB@", "AB@"},
      {"距離", "\x8B\x97\x97\xA3"},
      {"－", "\x81\x7C"},  // missing from the strict table
      {"∠", "\x81\xDA"},
      {"Δ", "\x83\xA2"},
      {"①", "\x87\x40"},    // an NEC special character
      {"ｎ", "\x82\x8E"},
      {"ﾌｧｲﾙ", "\xCC\xA7\xB2\xD9"},  // half-width katakana are single bytes
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.utf8);
    EXPECT_EQ(EncodeSjis(c.utf8), c.sjis);
    EXPECT_EQ(DecodeSjis(c.sjis), c.utf8);
  }
}

TEST(Sjis, WritesAQuestionMarkForACharacterTheCodePageLacks) {
  struct Case {
    std::string utf8;
    std::string sjis;
  } cases[] = {
      {"A한B", "A?B"},
      {"点😀", "\x93\x5F?"},
      {"x\xFFy", "x?y"},  // malformed UTF-8
      {"한한", "??"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.utf8);
    EXPECT_EQ(EncodeSjis(c.utf8), c.sjis);
  }
}

TEST(Sjis, RefusesBytesThatAreNotCodePage932AndSaysWhere) {
  struct Case {
    std::string bytes;
    std::size_t offset;
  } cases[] = {
      {"AB\x81\x20", 2},  // a lead byte with a bad trail byte
      {"A\xFF", 1},       // not a lead byte
      {"A\x80", 1},
      {"\x93\x5F\x81", 2},  // cut off after a lead byte
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.offset);
    std::size_t offset = 99;
    EXPECT_EQ(DecodeSjis(c.bytes, &offset), std::nullopt);
    EXPECT_EQ(offset, c.offset);
  }
}

TEST(Sjis, DecodesTextsLargerThanOneConversionBuffer) {
  std::string utf8;
  for (int i = 0; i < 2000; ++i) utf8 += "円A";
  const std::string sjis = EncodeSjis(utf8);
  EXPECT_EQ(sjis.size(), 6000u);
  EXPECT_EQ(DecodeSjis(sjis), utf8);
}

}  // namespace
}  // namespace zm
