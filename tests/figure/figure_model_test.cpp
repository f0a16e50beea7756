#include <gtest/gtest.h>

#include "figure/figure.h"

namespace zm {
namespace {

class NewFigureTest : public ::testing::Test {
 protected:
  void SetUp() override { NewFigure(fig, kStandardCapacity); }
  Figure fig;
};

TEST_F(NewFigureTest, EmptiesCountsAndSteps) {
  EXPECT_EQ(fig.StepCount, 0);
  for (std::int16_t count : fig.ObjCount) EXPECT_EQ(count, 0);
  EXPECT_EQ(fig.Points.LastIndex(), 30);
  EXPECT_EQ(fig.StepCode.LastIndex(), 60);
  EXPECT_EQ(fig.StepIn[60][5], ObjRef{});
}

TEST(AutoName, LettersForTheFirst52PointsAndIndicesOtherwise) {
  struct Case {
    std::int16_t kind, index;
    const char* name;
  } cases[] = {{kPoint, 1, "A"},  {kPoint, 26, "Z"}, {kPoint, 27, "["},  {kPoint, 32, "`"},
               {kPoint, 33, "a"}, {kPoint, 52, "t"}, {kPoint, 53, "53"}, {kLine, 1, "1"},
               {kCircle, 30, "30"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(AutoName(c.kind, c.index), c.name);
  }
}

TEST_F(NewFigureTest, NamesPointsLinesAndCirclesButNotNumbers) {
  EXPECT_EQ(NameOf(fig, {kPoint, 1}), "A");
  EXPECT_EQ(NameOf(fig, {kPoint, 27}), "[");
  EXPECT_EQ(NameOf(fig, {kLine, 1}), "1");
  EXPECT_EQ(NameOf(fig, {kCircle, 30}), "30");
  EXPECT_EQ(fig.Numbers[7].name.Padded(), std::string(40, ' '));
  EXPECT_EQ(fig.SnapshotPoints[1].name.Trimmed(), "");
}

TEST_F(NewFigureTest, GivesEveryObjectColourSeven) {
  for (int i = 1; i <= 30; ++i) {
    EXPECT_EQ(fig.Points[i].colour, 7);
    EXPECT_EQ(fig.Lines[i].colour, 7);
    EXPECT_EQ(fig.Circles[i].colour, 7);
    EXPECT_EQ(fig.SnapshotPoints[i].colour, 7);
  }
  EXPECT_EQ(fig.NewKind[1], -1);
  EXPECT_EQ(fig.NeedLineKind[5], -1);
}

TEST_F(NewFigureTest, ReplacesAnEarlierFigureCompletely) {
  fig.StepCount = 3;
  fig.ObjCount[kPoint] = 2;
  fig.Points[2].x = 5;
  fig.Points[2].independenceFlag = kTrue;
  fig.SwapFlag[3] = kTrue;
  fig.loci.LocusCount[kPoint] = 4;
  NewFigure(fig, kStandardCapacity);
  EXPECT_EQ(fig.StepCount, 0);
  EXPECT_EQ(fig.ObjCount[kPoint], 0);
  EXPECT_EQ(fig.Points[2].x, 0);
  EXPECT_EQ(fig.Points[2].independenceFlag, 0);
  EXPECT_EQ(fig.SwapFlag[3], 0);
  EXPECT_EQ(fig.loci.LocusCount[kPoint], 0);
}

TEST_F(NewFigureTest, ClearObjectKeepsThePointFieldsThatClearingLeavesAlone) {
  PointRec& p = fig.Points[5];
  p.x = 3;
  p.check = kValid;
  p.colour = 4;
  p.bindingKind = 2;
  p.independenceFlag = kTrue;
  p.kind = 2;
  p.bindingIndex = 3;
  p.locusColour = 9;
  p.name.Assign("Q");
  ClearObject(fig, {kPoint, 5});
  EXPECT_EQ(p.x, 0);
  EXPECT_EQ(p.check, 0);
  EXPECT_EQ(p.colour, 7);
  EXPECT_EQ(p.bindingKind, 0);
  EXPECT_EQ(p.name.Trimmed(), "E");
  EXPECT_EQ(p.independenceFlag, kTrue);
  EXPECT_EQ(p.kind, 2);
  EXPECT_EQ(p.bindingIndex, 3);
  EXPECT_EQ(p.locusColour, 9);
}

TEST_F(NewFigureTest, ClearObjectOfNumbersLinesAndOtherKinds) {
  fig.Numbers[2].name.Assign("AB");
  fig.Numbers[2].value = 4;
  ClearObject(fig, {kNumber, 2});
  EXPECT_EQ(fig.Numbers[2].name.Trimmed(), "");
  EXPECT_EQ(fig.Numbers[2].value, 0);

  fig.Lines[4].kind = 1;
  fig.Lines[4].name.Assign("PQ");
  fig.Lines[4].locusColour = 3;
  ClearObject(fig, {kLine, 4});
  EXPECT_EQ(fig.Lines[4].kind, 0);
  EXPECT_EQ(fig.Lines[4].name.Trimmed(), "4");
  EXPECT_EQ(fig.Lines[4].locusColour, 3);

  fig.Points[1].x = 1;
  ClearObject(fig, {7, 1});
  EXPECT_EQ(fig.Points[1].x, 1);
}

TEST_F(NewFigureTest, NamesAreStoredByCharactersNotBytes) {
  SetName(fig, {kNumber, 1}, "  距離(直線1, 円2)");
  EXPECT_EQ(NameOf(fig, {kNumber, 1}), "距離(直線1, 円2)");
  SetName(fig, {kLine, 1}, "∠ＡＢＣＤＥＦＧＨＩＪＫ");
  EXPECT_EQ(NameOf(fig, {kLine, 1}), "∠ＡＢＣＤＥＦＧＨＩ");
  EXPECT_EQ(CharCount(fig.Lines[1].name.Padded()), 10u);
}

TEST_F(NewFigureTest, IndicesOutsideATableNeverReachBeyondIt) {
  EXPECT_EQ(CheckOf(fig, {kPoint, 31}), 0);
  EXPECT_EQ(CheckOf(fig, {kPoint, -4}), 0);
  EXPECT_EQ(CheckOf(fig, {9, 1}), 0);
  EXPECT_EQ(NameOf(fig, {kCircle, 500}), "");
  SetCheck(fig, {kLine, 1000}, kValid);  // lands on the unused entry 0
  EXPECT_EQ(fig.Lines[30].check, 0);
}

}  // namespace
}  // namespace zm
