#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "figure/figure.h"
#include "text/expressions.h"

namespace zm {
namespace {

// Numbers 1 ... 3 hold the operands a, b, c; number 4 is the output of a CALC step, step 1.
class CalcStepTest : public ::testing::Test {
 protected:
  static constexpr double kOldValue = 99;
  static constexpr std::int16_t kOldCheck = -7;

  void SetUp() override { Reset(6, 3, 2); }

  void Reset(double a, double b, double c) {
    NewFigure(fig, kStandardCapacity);
    fig.ObjCount[kNumber] = 4;
    fig.Numbers[1].value = a;
    fig.Numbers[2].value = b;
    fig.Numbers[3].value = c;
    fig.Numbers[4].value = kOldValue;
    fig.Numbers[4].check = kOldCheck;
    fig.StepCount = 1;
    fig.StepCode[1].Assign("CALC");
    fig.StepOut[1][1] = {kNumber, 4};
  }

  NumberRec& Evaluate(std::string_view formula) {
    fig.Numbers[4].formula.Assign(formula);
    EvalCalcStep(fig, 1);
    return fig.Numbers[4];
  }

  Figure fig;
};

TEST_F(CalcStepTest, ReducesTheHighestPriorityOperatorFirstAndLeftmostAmongEquals) {
  struct Case {
    const char* formula;
    double a, b, c;
    double value;
    const char* rule;
  } cases[] = {
      {"N3", 6, 3, 2, 2, "one operand is copied"},
      {"N1/N2*N3", 6, 3, 2, 4, "/ before *"},
      {"N1-N2-N3", 6, 3, 2, 1, "the leftmost - first"},
      {"N1+N2*N3", 6, 3, 2, 12, "* before +"},
      {"N1^N3", 6, 3, 2, 36, "power"},
      {"N1/N2^N3", 6, 3, 2, 6.0 / 9.0, "^ before /"},
      {"N1-N2*N3", 6, 3, 2, 0, "* before -"},
      {"N3^N3^N2", 6, 3, 2, 64, "the leftmost ^ first: (2^2)^3"},
      // b * c alone would be a divisor below 0.01 and give 0.
      {"N1/N2*N3", 6, 3, 0.001, 2 * 0.001, "/ before * even where it decides the result"},
      // Doubles make the order visible: a + (b - c) differs from (a + b) - c.
      {"N1+N2-N3", 0.1, 0.2, 0.3, 0.1 + (0.2 - 0.3), "- before +"},
      {"N1+N2+N3-N1", 0.1, 0.2, 0.3, (0.1 + 0.2) + (0.3 - 0.1), "the leftmost + first"},
      {"N2*N3+N1/N2-N3^N3", 6, 3, 2, 3 * 2 + (6.0 / 3 - 4), "all five operators"},
      {"N1/N2", 6, 0.005, 2, 0, "a divisor below 0.01 gives 0"},
      {"N1/N2", 6, -0.005, 2, 0, "a divisor above -0.01 gives 0"},
      {"N1/N2", 6, 0.01, 2, 600, "a divisor of 0.01 divides"},
      {"N1^N2", -2, 3, 2, -8, "a negative number to an integer power"},
      {"N1^N2", 0, 0, 2, 1, "0 to the power 0"},
      {"N1 + N2   ", 6, 3, 2, 9, "blanks around operands"},
      {"#1+x2", 6, 3, 2, 9, "any marker"},
      {"∠1+Δ2", 6, 3, 2, 9, "markers outside ASCII"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.formula) + ": " + c.rule);
    Reset(c.a, c.b, c.c);
    const NumberRec& out = Evaluate(c.formula);
    EXPECT_EQ(out.value, c.value);
    EXPECT_EQ(out.check, kValid);
  }
}

TEST_F(CalcStepTest, UsesOperandValuesAsStoredWhateverTheirCheckStates) {
  fig.Numbers[2].check = kInvalid;
  fig.ObjCount[kNumber] = 6;  // number 5 has never been computed: its value is 0
  EXPECT_EQ(Evaluate("N1*N2+N5").value, 18);
}

TEST_F(CalcStepTest, EvaluatesAsManyOperatorsAsAFormulaHolds) {
  std::string formula = "N2";
  for (int i = 0; i < 22; ++i) formula += "+N2";  // 68 characters
  EXPECT_EQ(Evaluate(formula).value, 69);
}

TEST_F(CalcStepTest, LeavesTheNumberAloneWhenTheFormulaCannotBeEvaluated) {
  struct Case {
    const char* formula;
    double a, b;
    const char* why;
  } cases[] = {
      {"", 6, 3, "blank"},
      {"   ", 6, 3, "blank"},
      {"+N1", 6, 3, "starts with an operator"},
      {"  -N1", 6, 3, "starts with an operator after blanks"},
      {"N1+", 6, 3, "ends with an operator"},
      {"N1*-N2", 6, 3, "two operators in a row"},
      {"N1+ +N2", 6, 3, "two operators with a blank between"},
      {"N0", 6, 3, "index 0"},
      {"N-1", 6, 3, "negative index"},
      {"N5", 6, 3, "index above the count of numbers"},
      {"N31", 6, 3, "index outside the table"},
      {"N1+N", 6, 3, "marker without index"},
      {"N1+N99999", 6, 3, "index beyond 16 bits"},
      {"N1^N2", -8, 0.5, "a negative number to a non-integer power"},
      {"N1^N2", 0, -1, "0 to a negative power"},
      {"N1*N2", 1e200, 1e200, "overflow"},
      {"N1", std::numeric_limits<double>::infinity(), 0, "a non-finite operand"},
      {"N1-N2", std::numeric_limits<double>::quiet_NaN(), 0, "a non-finite operand"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.formula) + ": " + c.why);
    Reset(c.a, c.b, 2);
    const NumberRec& out = Evaluate(c.formula);
    EXPECT_EQ(out.value, kOldValue);
    EXPECT_EQ(out.check, kOldCheck);
  }
}

TEST_F(CalcStepTest, AStepOrOutputOutsideTheTablesChangesNothing) {
  fig.Numbers[4].formula.Assign("N1");
  EvalCalcStep(fig, 500);
  fig.StepOut[1][1] = {kNumber, 4000};
  EvalCalcStep(fig, 1);
  EXPECT_EQ(fig.Numbers[4].value, kOldValue);
  EXPECT_EQ(fig.Numbers[0].value, 0);
}

TEST(EvaluateExpression, TakesAtMostTwentyFourOperators) {
  const std::vector<double> ones(26, 1.0);
  const std::vector<char> pluses(25, '+');
  EXPECT_EQ(EvaluateExpression(std::span(ones).first(25), std::span(pluses).first(24)), 25);
  EXPECT_EQ(EvaluateExpression(ones, pluses), std::nullopt);
}

TEST(EvaluateExpression, RefusesOperatorsThatDoNotFitTheOperands) {
  const double values[] = {1, 2};
  const char plus[] = {'+'};
  const char unknown[] = {'%'};
  EXPECT_EQ(EvaluateExpression(values, plus), 3);
  EXPECT_EQ(EvaluateExpression(std::span(values).first(1), plus), std::nullopt);
  EXPECT_EQ(EvaluateExpression(values, unknown), std::nullopt);
  EXPECT_EQ(EvaluateExpression({}, {}), std::nullopt);
}

}  // namespace
}  // namespace zm
