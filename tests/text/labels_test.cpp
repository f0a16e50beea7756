#include <gtest/gtest.h>

#include <vector>
#include <string>

#include "figure/figure.h"
#include "text/labels.h"

namespace zm {
namespace {

// A figure of 30 objects a kind; steps are appended by hand with their inputs and first output.
class LabelsTest : public ::testing::Test {
 protected:
  void SetUp() override { NewFigure(fig, kStandardCapacity); }

  int AddStep(std::string_view code, const std::vector<ObjRef>& in, ObjRef out) {
    return AppendStep(fig, code, in, std::span<const ObjRef>(&out, 1));
  }

  ObjRef AddNumber(std::string_view name, double value = 0, std::string_view formula = "") {
    const std::int16_t i = ++fig.ObjCount[kNumber];
    fig.Numbers[i].name.Assign(name);
    fig.Numbers[i].value = value;
    fig.Numbers[i].formula.Assign(formula);
    return {kNumber, i};
  }

  Figure fig;
};

constexpr ObjRef Pt(int i) { return {kPoint, static_cast<std::int16_t>(i)}; }
constexpr ObjRef Ln(int i) { return {kLine, static_cast<std::int16_t>(i)}; }
constexpr ObjRef Ci(int i) { return {kCircle, static_cast<std::int16_t>(i)}; }
constexpr ObjRef Nu(int i) { return {kNumber, static_cast<std::int16_t>(i)}; }

// Points keep their automatic names A, B, C; lines and circles 1, 2; number 1 is named "x".
TEST_F(LabelsTest, BuildsEachRuleFromTheNamesOfItsInputs) {
  struct Case {
    const char* code;
    std::vector<ObjRef> in;
    ObjRef out;
    const char* label;
  } cases[] = {
      {"L1", {Pt(1), Pt(2)}, Ln(5), "AB"},
      {"ND2P", {Pt(2), Pt(3)}, Nu(2), "BC"},
      {"ND2L", {Ln(1), Ln(2)}, Nu(2), "距離(直線1, 直線2)"},
      {"ND2C", {Ci(1), Ci(2)}, Nu(2), "距離(円1, 円2)"},
      {"NDLC", {Ln(1), Ci(2)}, Nu(2), "距離(直線1, 円2)"},
      {"NDPC", {Pt(1), Ci(1)}, Nu(2), "距離(A, 円1)"},
      {"NDPL", {Pt(1), Ln(2)}, Nu(2), "距離(A, 直線2)"},
      {"NA3P", {Pt(1), Pt(2), Pt(3)}, Nu(2), "∠ABC"},
      {"NA3+", {Pt(1), Pt(2), Pt(3)}, Nu(2), "∠ABC"},
      {"NA3M", {Pt(3), Pt(2), Pt(1)}, Nu(2), "∠CBA"},
      {"NA3*", {Pt(1), Pt(2), Pt(3)}, Nu(2), "∠ABC"},
      {"NAR3", {Pt(1), Pt(2), Pt(3)}, Nu(2), "ΔABC"},
      {"NAR+", {Pt(1), Pt(2), Pt(3)}, Nu(2), "ΔABC"},
      {"NA2L", {Ln(1), Ln(2)}, Nu(2), "角度(直線1, 直線2)"},
      {"NLC", {Ci(2)}, Nu(2), "円2の円周"},
      {"NRC", {Ci(2)}, Nu(2), "円2の半径"},
      {"NSIN", {Nu(1)}, Nu(2), "SIN(x)"},
      {"NCOS", {Nu(1)}, Nu(2), "COS(x)"},
      {"NTAN", {Nu(1)}, Nu(2), "TAN(x)"},
      // The table is the rule's, whatever kind the slot says: slot kinds are not consulted.
      {"ND2P", {Ln(1), Ci(2)}, Nu(2), "AB"},
      {"NSIN", {Pt(1)}, Nu(2), "SIN(x)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    SetUp();
    AddNumber("x");
    fig.ObjCount[kNumber] = 2;
    AddStep(c.code, c.in, c.out);
    RebuildLabels(fig);
    EXPECT_EQ(NameOf(fig, c.out), c.label);
  }
}

TEST_F(LabelsTest, CutsALineLabelAtTenCharacters) {
  fig.Points[1].name.Assign("P");
  fig.Points[2].name.Assign("Q");
  fig.Points[3].name.Assign("ABCDE");
  fig.Points[4].name.Assign("FGHIJK");
  AddStep("L1", {Pt(1), Pt(2)}, Ln(1));
  AddStep("L1 ", {Pt(3), Pt(4)}, Ln(2));  // stored codes carry filling blanks
  RebuildLabels(fig);
  EXPECT_EQ(NameOf(fig, Ln(1)), "PQ");
  EXPECT_EQ(fig.Lines[2].name.Padded(), "ABCDEFGHIJ");
}

TEST_F(LabelsTest, CutsANumberLabelAtFortyCharacters) {
  const std::string forty(40, 'n');
  AddNumber(forty);
  AddNumber("");
  AddStep("NSIN", {Nu(1)}, Nu(2));
  RebuildLabels(fig);
  EXPECT_EQ(NameOf(fig, Nu(2)), "SIN(" + std::string(36, 'n'));
}

TEST_F(LabelsTest, AnUnnamedInputContributesNothing) {
  fig.Points[1].name.Assign("");
  AddStep("NDPC", {Pt(1), Ci(1)}, Nu(1));
  RebuildLabels(fig);
  EXPECT_EQ(NameOf(fig, Nu(1)), "距離(, 円1)");
}

TEST_F(LabelsTest, LaterStepsSeeTheLabelsOfEarlierOnes) {
  fig.ObjCount[kNumber] = 2;
  AddStep("NA3+", {Pt(1), Pt(2), Pt(3)}, Nu(1));
  AddStep("NSIN", {Nu(1)}, Nu(2));
  RebuildLabels(fig);
  EXPECT_EQ(NameOf(fig, Nu(2)), "SIN(∠ABC)");
}

TEST_F(LabelsTest, StepsWithoutARuleKeepTheirOutputNames) {
  fig.Points[4].name.Assign("X");
  fig.Circles[1].name.Assign("c");
  AddStep("PC1", {Ln(1), Ln(2)}, Pt(4));
  AddStep("C3", {Pt(1), Pt(2), Pt(3)}, Ci(1));
  AddStep("LPG+", {Pt(1), Pt(2)}, Ln(1));
  RebuildLabels(fig);
  EXPECT_EQ(NameOf(fig, Pt(4)), "X");
  EXPECT_EQ(NameOf(fig, Ci(1)), "c");
  EXPECT_EQ(NameOf(fig, Ln(1)), "1");
}

TEST_F(LabelsTest, ReadsNoInputOrStepOutsideTheTables) {
  AddStep("L1", {Pt(500), Pt(-3)}, Ln(1));  // both read the unused, unnamed entry 0
  AddStep("ND2P", {Pt(1), Pt(2)}, Nu(4000));
  fig.StepCount = 200;  // more steps than the list holds
  RebuildLabels(fig);
  EXPECT_EQ(NameOf(fig, Ln(1)), "");
  EXPECT_EQ(NameOf(fig, Pt(1)), "A");
}

// Numbers 1 "AB" (value 6) and 2 "CD" (value 3), number 3 unnamed with value 2.5 and
// number 4 unnamed with value -1.5; the formula belongs to number 5.
TEST_F(LabelsTest, NamesACalcNumberByItsFormula) {
  struct Case {
    const char* formula;
    const char* label;
  } cases[] = {
      {"N1/N2", "AB/CD"},
      {"#1+x2", "AB+CD"},
      {"N1 ^ N2 - N1", "AB^CD-AB"},
      {"N1*N3", "AB* 2.5"},  // an unnamed operand shows its value text
      {"N3*N1", "2.5*AB"},   // and the name setter drops the label's leading blank
      {"N4+N1", "-1.5+AB"},
      {"N1", "AB"},
      {"N1+N40", "AB+ 0"},  // an index outside the table reads the unused entry 0
      // What can be read of a malformed formula: operands without text show nothing.
      {"+N2", "+CD"},
      {"N1+", "AB+"},
      {"N1+*N2", "AB+*CD"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.formula);
    SetUp();
    AddNumber("AB", 6);
    AddNumber("CD", 3);
    AddNumber("", 2.5);
    AddNumber("", -1.5);
    const ObjRef out = AddNumber("old", 0, c.formula);
    AddStep("CALC", {}, out);
    RebuildLabels(fig);
    EXPECT_EQ(NameOf(fig, out), c.label);
  }
}

TEST_F(LabelsTest, ABlankCalcFormulaKeepsTheNameAndTheRebuildGoesOn) {
  const ObjRef calc = AddNumber("old", 0, "");
  AddStep("CALC", {}, calc);
  AddStep("ND2P", {Pt(1), Pt(2)}, AddNumber(""));
  RebuildLabels(fig);
  EXPECT_EQ(NameOf(fig, calc), "old");
  EXPECT_EQ(NameOf(fig, Nu(2)), "AB");
}

}  // namespace
}  // namespace zm
