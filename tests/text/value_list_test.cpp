#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/value_list.h"
#include "view/view_fixture.h"

namespace zm::viewtest {
namespace {

TEST(FormatValue, CutsToTheDecimalPlacesAndFillsWithBlanks) {
  struct Case {
    const char* text;
    int digits;
    const char* want;
  };
  const Case cases[] = {
      {" 3.14159265358979", 3, " 3.141"},  // cut, not rounded
      {" .5", 3, " .5  "},
      {"-2.25", 3, "-2.25 "},
      {" 3.14159265358979", 0, " 3."},
      {" 3", 0, " 3"},
      {" 3", 5, " 3"},
      {" 1.5E-07", 3, " 1.5E-07"},
      {" 1.5E-07", 0, " 1.5E-07"},
      {"-.999", 2, "-.99"},
      {" 2.5", 20, " 2.5                   "},
      {" 2.5", -4, " 2."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "'" << c.text << "' with " << c.digits);
    EXPECT_EQ(FormatValue(c.text, c.digits), c.want);
  }
}

class ValueListTest : public ViewFixture {
 protected:
  std::vector<std::string> Texts() const {
    std::vector<std::string> out;
    for (const Drawn& d : Calls()) out.push_back(d.text);
    return out;
  }
};

TEST_F(ValueListTest, EachRowErasesItsLastTextAndWritesTheNewOne) {
  app.ValueDigits = 3;
  AddNumber("AB", 5.385164807134504);
  AddNumber("xyz12", 2, -1);  // independent: not listed, but its name widens the column
  AddNumber("∠ABC", 90);
  AddNumber("t", 1, 7);       // a hidden parameter
  app.fig.SnapshotNumbers[1].value = 4.5;
  app.fig.SnapshotNumbers[3].value = 89.99999;
  DrawValueList(app);

  EXPECT_EQ(Texts(), (std::vector<std::string>{
                         " 1:", "AB    =  4.5  ", " 1:AB    =  5.385",
                         " 3:", "∠ABC  =  89.999", " 3:∠ABC  =  90"}));
  const std::vector<Drawn>& calls = Calls();
  const Rgb colours[] = {kBlack, kBackgroundGrey, kBlack};
  for (std::size_t i = 0; i < calls.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(calls[i].colour, colours[i % 3]);
    EXPECT_EQ(calls[i].fontSize, app.fontSize);
    EXPECT_EQ(calls[i].kind, Drawn::Kind::kText);
  }
  // Row tops: 41 pixels above the bottom edge plus 1.2 font sizes per row; the erased text
  // starts behind the index printed before it (three characters of 4.5 pixels).
  const double rowTops[] = {417.2693110647182, 428.0918580375783};
  for (int row = 0; row < 2; ++row) {
    SCOPED_TRACE(row);
    for (int j = 0; j < 3; ++j) EXPECT_NEAR(calls[static_cast<std::size_t>(3 * row + j)].a.y, rowTops[row], 1e-9);
    EXPECT_NEAR(calls[static_cast<std::size_t>(3 * row)].a.x, 0, 1e-9);
    EXPECT_NEAR(calls[static_cast<std::size_t>(3 * row + 1)].a.x, 13.5, 1e-9);
    EXPECT_NEAR(calls[static_cast<std::size_t>(3 * row + 2)].a.x, 0, 1e-9);
  }
}

TEST_F(ValueListTest, NamesAreAlignedToTheLongestAndAnEmptyNameShowsBlanks) {
  AddNumber("AB", 1);
  AddNumber("∠ABC", 2);
  AddNumber("", 3);
  AddNumber("  r ", 4);  // leading blanks are dropped in the row
  DrawValueList(app);
  const std::vector<std::string> texts = Texts();
  ASSERT_EQ(texts.size(), 12u);
  EXPECT_EQ(texts[2], " 1:AB   =  1");
  EXPECT_EQ(texts[5], " 2:∠ABC =  2");
  EXPECT_EQ(texts[8], " 3:     =  3");
  EXPECT_EQ(texts[11], " 4:r    =  4");
}

TEST_F(ValueListTest, NothingIsDrawnWithoutListedNumbers) {
  struct Case {
    const char* name;
    std::vector<std::int16_t> flags;
  };
  const Case cases[] = {{"no numbers", {}}, {"only independent numbers and parameters", {-1, 7, -1}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    app.fig.ObjCount[kNumber] = 0;
    for (std::int16_t flag : c.flags) AddNumber("n", 1, flag);
    DrawValueList(app);
    EXPECT_TRUE(Calls().empty());
  }
}

TEST_F(ValueListTest, AnEmptyViewShowsNoList) {
  AddNumber("AB", 1);
  surface.Resize({0, 0});
  SetScreen(app);
  DrawValueList(app);
  EXPECT_TRUE(Calls().empty());
}

}  // namespace
}  // namespace zm::viewtest
