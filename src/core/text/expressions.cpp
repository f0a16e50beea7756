#include "text/expressions.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

#include "text/fields.h"

namespace zm {

namespace {

constexpr int kMaxOperators = 24;
constexpr int kMaxOperands = kMaxOperators + 1;
// Operands fill entries 1 ... m and each reduction the next one: 2 * 25 - 1 entries at most.
constexpr int kOperandEntries = 51;
constexpr std::string_view kByPriority = "^/*-+";
constexpr double kSmallestDivisor = 0.01;

bool IsOperator(char32_t c) {
  return c < 0x80 && kByPriority.find(static_cast<char>(c)) != kByPriority.npos;
}

double Apply(char op, double a, double b) {
  switch (op) {
    case '+': return a + b;
    case '-': return a - b;
    case '*': return a * b;
    // A divisor near 0 gives 0 rather than a huge quotient.
    case '/': return std::fabs(b) < kSmallestDivisor ? 0.0 : a / b;
    default: return std::pow(a, b);
  }
}

// The leftmost occurrence of the highest-priority operator among the first `count`.
int NextReduction(const std::array<char, kMaxOperators>& ops, int count) {
  for (char op : kByPriority)
    for (int k = 0; k < count; ++k)
      if (ops[k] == op) return k;
  return 0;
}

// The value of the number an operand names; none for a blank operand (a formula that starts or
// ends with an operator, or has two in a row) or an index that names no number.
std::optional<double> OperandValue(const Figure& fig, const FixedText<kFormulaWidth>& formula,
                                   int first, int last) {
  // TokenIndex drops the marker as one character and stops reading at any character outside
  // ASCII, so each such character can stand in as '?': the operand stays in a stack buffer.
  std::array<char, kFormulaWidth> chars{};
  int length = 0;
  for (int i = first; i < last; ++i)
    chars[length++] = formula.At(i) < 0x80 ? static_cast<char>(formula.At(i)) : '?';
  const std::string_view operand(chars.data(), static_cast<std::size_t>(length));
  if (operand.find_first_not_of(' ') == std::string_view::npos) return std::nullopt;
  const int index = TokenIndex(operand);
  const int numbers = std::min<int>(fig.ObjCount[kNumber], fig.Numbers.LastIndex());
  if (index < 1 || index > numbers) return std::nullopt;
  return fig.Numbers[index].value;
}

}  // namespace

std::optional<double> EvaluateExpression(std::span<const double> operands,
                                         std::span<const char> operators) {
  if (operands.empty() || operators.size() + 1 != operands.size() ||
      operators.size() > kMaxOperators)
    return std::nullopt;
  if (!std::all_of(operators.begin(), operators.end(), IsOperator)) return std::nullopt;

  std::array<double, kOperandEntries> entries{};
  std::array<int, kMaxOperands> slots{};  // the sequence: entry index of each operand slot
  std::array<char, kMaxOperators> ops{};
  int slotCount = static_cast<int>(operands.size());
  for (int i = 0; i < slotCount; ++i) {
    entries[i + 1] = operands[i];
    slots[i] = i + 1;
  }
  std::copy(operators.begin(), operators.end(), ops.begin());

  int next = slotCount + 1;
  for (int opCount = slotCount - 1; opCount > 0; --opCount) {
    const int k = NextReduction(ops, opCount);
    const double r = Apply(ops[k], entries[slots[k]], entries[slots[k + 1]]);
    // Also catches a negative number to a non-integer power and 0 to a negative power.
    if (!std::isfinite(r)) return std::nullopt;
    entries[next] = r;
    slots[k] = next++;
    std::copy(slots.begin() + k + 2, slots.begin() + slotCount, slots.begin() + k + 1);
    std::copy(ops.begin() + k + 1, ops.begin() + opCount, ops.begin() + k);
    --slotCount;
  }
  const double result = entries[slots[0]];
  if (!std::isfinite(result)) return std::nullopt;
  return result;
}

void EvalCalcStep(Figure& fig, int step) {
  NumberRec& number = fig.Numbers[fig.StepOut[step][1].index];
  const auto& formula = number.formula;  // all 70 characters, trailing blanks included

  std::array<double, kMaxOperands> values{};
  std::array<char, kMaxOperators> ops{};
  int operandCount = 0;
  int first = 0;
  for (int i = 0; i <= kFormulaWidth; ++i) {
    const bool end = i == kFormulaWidth;
    if (!end && !IsOperator(formula.At(i))) continue;
    if (operandCount == kMaxOperands) return;  // more than 24 operators
    const auto value = OperandValue(fig, formula, first, i);
    if (!value) return;
    if (!end) ops[operandCount] = static_cast<char>(formula.At(i));
    values[operandCount++] = *value;
    first = i + 1;
  }

  const auto result = EvaluateExpression(std::span(values.data(), operandCount),
                                         std::span(ops.data(), operandCount - 1));
  if (!result) return;
  number.value = *result;
  number.check = kValid;
}

}  // namespace zm
