#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "figure/figure.h"
#include "text/report.h"

namespace zm {
namespace {

std::string CrLfLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

std::string Blanks(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

class ReportTest : public ::testing::Test {
 protected:
  void SetUp() override { NewFigure(fig, kStandardCapacity); }
  Figure fig;
};

TEST_F(ReportTest, ListsAnEmptyFigureAsHeaderCountsAndRules) {
  const std::string rule = "----------";
  EXPECT_EQ(ReportText(fig, "untitled"),
            CrLfLines({"FileName : untitled", "作図手続き数 :  0", rule, rule, rule,
                       "幾何的対象の数", "数   :  0", "点   :  0", "直線 :  0", "円   :  0",
                       "", rule, rule, rule, rule, rule, "以上"}));
}

// One record of each kind and two steps, one of them with a code that has no description.
TEST_F(ReportTest, WritesEveryStepAndRecordByItsTemplate) {
  fig.StepCount = 2;
  fig.StepCode[1].Assign("PNEW");
  fig.StepOut[1][1] = {kPoint, 1};
  fig.StepCode[2].Assign("LPG+");
  fig.StepIn[2][1] = {kPoint, 1};
  fig.StepIn[2][2] = {kPoint, 2};
  fig.StepOut[2][1] = {kLine, 1};
  fig.ObjCount = {1, 1, 1, 1};

  NumberRec& n = fig.Numbers[1];
  n.name.Assign("AB");
  n.value = 0.5;
  n.check = kValid;
  n.formula.Assign("N1/N2");

  PointRec& p = fig.Points[1];
  p.x = 1;
  p.y = -2;
  p.independenceFlag = kTrue;
  p.bindingKind = 2;
  p.bindingIndex = 3;
  p.parameter = 0.25;
  p.check = kValid;
  p.locusColour = 4;

  LineRec& l = fig.Lines[1];
  l.end2 = {3, 4};
  l.direction = {0.6, 0.8};
  l.kind = 1;
  l.check = kValid;

  CircleRec& c = fig.Circles[1];
  c.centre = {-1.5, 2};
  c.radius = 2.5;
  c.colour = 12;

  const std::string rule = "----------";
  const std::string noInputs = " 0: 0 ,  0: 0 ,  0: 0 ,  0: 0 ,  0: 0 , ";
  EXPECT_EQ(ReportText(fig, "C:\\図\\fig.txt"),
            CrLfLines({
                "FileName : C:\\図\\fig.txt",
                "作図手続き数 :  2",
                rule,
                " 1:PNEW (新しい点を取る)",
                " 2:LPG+ (LPG+ )",
                rule,
                " 1:PNEW (新しい点を取る)",
                "in : " + noInputs,
                "out:  1: 1 ,  0: 0 ,  0: 0 ,  0: 0 ,  0: 0 , ",
                " 2:LPG+ (LPG+ )",
                "in :  1: 1 ,  1: 2 ,  0: 0 ,  0: 0 ,  0: 0 , ",
                "out:  2: 1 ,  0: 0 ,  0: 0 ,  0: 0 ,  0: 0 , ",
                rule,
                "幾何的対象の数",
                "数   :  1",
                "点   :  1",
                "直線 :  1",
                "円   :  1",
                "",
                rule,
                "",
                "名前     : AB" + Blanks(38),
                "値       :  .5",
                "独立/従属:  0",
                "チェック : -1",
                "数式表示 : N1/N2" + Blanks(65),
                rule,
                "",
                "名前     : A" + Blanks(9),
                "座標     :  1,-2",
                "種類     :  0",
                "独立/従属: -1",
                "束縛状態 :  2, 3 .25",
                "チェック : -1",
                "色       :  7",
                "軌跡の色  :  4",
                rule,
                "",
                "名前     : 1" + Blanks(9),
                "( 0, 0) -( 3, 4)",
                "方向     :  .6, .8",
                "種類     :  1",
                "チェック : -1",
                "色       :  7",
                "軌跡の色  :  0",
                rule,
                "",
                "名前     : 1" + Blanks(9),
                "中心 (-1.5, 2), 半径:  2.5",
                "チェック :  0",
                "色       :  12",
                "軌跡の色  :  0",
                rule,
                "以上",
            }));
}

TEST_F(ReportTest, PadsNamesByCharactersNotBytes) {
  fig.ObjCount[kNumber] = 1;
  fig.Numbers[1].name.Assign("∠ABC");
  fig.Numbers[1].value = -1.5e-7;
  const std::string text = ReportText(fig, "untitled");
  EXPECT_NE(text.find("\r\n名前     : ∠ABC" + Blanks(36) + "\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\n値       : -1.5E-07\r\n"), std::string::npos);
}

TEST_F(ReportTest, ReadsNothingOutsideTheTablesForCountsTooLarge) {
  fig.StepCount = 100;
  fig.ObjCount = {40, 40, 40, 40};
  const std::string text = ReportText(fig, "untitled");
  EXPECT_NE(text.find("作図手続き数 :  100\r\n"), std::string::npos);
  EXPECT_EQ(text.substr(text.size() - 8), "以上\r\n");
}

}  // namespace
}  // namespace zm
