#include "text/labels.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>

#include "text/fields.h"
#include "text/number_text.h"

namespace zm {

namespace {

constexpr std::string_view kOperators = "+-*/^";

// A label rule: the codes it serves, the table each input slot is read from, and the texts
// around the input names: texts[0] + name(1) + texts[1] + ... + name(inputs) + texts[inputs].
struct Rule {
  std::array<std::string_view, 4> codes;
  int inputs;
  std::array<std::int16_t, 3> tables;
  std::array<std::string_view, 4> texts;
};

constexpr std::int16_t P = kPoint, L = kLine, C = kCircle, N = kNumber;

constexpr std::array kRules = {
    Rule{{"L1", "ND2P"}, 2, {P, P}, {"", "", ""}},
    Rule{{"ND2L"}, 2, {L, L}, {"距離(直線", ", 直線", ")"}},
    Rule{{"ND2C"}, 2, {C, C}, {"距離(円", ", 円", ")"}},
    Rule{{"NDLC"}, 2, {L, C}, {"距離(直線", ", 円", ")"}},
    Rule{{"NDPC"}, 2, {P, C}, {"距離(", ", 円", ")"}},
    Rule{{"NDPL"}, 2, {P, L}, {"距離(", ", 直線", ")"}},
    Rule{{"NA3P", "NA3+", "NA3M", "NA3*"}, 3, {P, P, P}, {"∠", "", "", ""}},
    Rule{{"NAR3", "NAR+"}, 3, {P, P, P}, {"Δ", "", "", ""}},
    Rule{{"NA2L"}, 2, {L, L}, {"角度(直線", ", 直線", ")"}},
    Rule{{"NLC"}, 1, {C}, {"円", "の円周"}},
    Rule{{"NRC"}, 1, {C}, {"円", "の半径"}},
    Rule{{"NSIN"}, 1, {N}, {"SIN(", ")"}},
    Rule{{"NCOS"}, 1, {N}, {"COS(", ")"}},
    Rule{{"NTAN"}, 1, {N}, {"TAN(", ")"}},
};

const Rule* RuleFor(std::string_view code) {
  if (code.empty()) return nullptr;  // the unused code entries of a rule are empty
  for (const Rule& rule : kRules)
    if (std::find(rule.codes.begin(), rule.codes.end(), code) != rule.codes.end()) return &rule;
  return nullptr;
}

// Inputs are read by the index of their slot from the table the rule names; the slot's kind is
// not consulted, and an index outside the table reads its unused entry 0.
std::string LabelFromInputs(const Figure& fig, int step, const Rule& rule) {
  std::string label(rule.texts[0]);
  for (int k = 0; k < rule.inputs; ++k) {
    label += NameOf(fig, ObjRef{rule.tables[k], fig.StepIn[step][k + 1].index});
    label += rule.texts[k + 1];
  }
  return label;
}

// An operand shows its number's name, or the number's value when it has none. An operand
// without any text (before a leading operator, between two operators, after a trailing one)
// shows nothing.
std::string OperandText(const Figure& fig, std::string_view operand) {
  if (operand.find_first_not_of(' ') == std::string_view::npos) return {};
  const NumberRec& number = fig.Numbers[TokenIndex(operand)];
  std::string name = number.name.Trimmed();
  return name.empty() ? NumberText(number.value) : name;
}

// The formula with every operand replaced by its text; none for a blank formula, which leaves
// the number's name as it is.
std::optional<std::string> CalcLabel(const Figure& fig, int step) {
  const std::string formula = fig.Numbers[fig.StepOut[step][1].index].formula.Padded();
  std::string label;
  std::string_view rest = formula;
  for (;;) {
    const std::string operand = FieldOf(rest, kOperators, 1);
    label += OperandText(fig, operand);
    if (operand.size() == rest.size()) break;
    label += rest[operand.size()];
    rest.remove_prefix(operand.size() + 1);
  }
  if (label.empty()) return std::nullopt;
  return label;
}

std::optional<std::string> StepLabel(const Figure& fig, int step) {
  const std::string code = StepCodeText(fig, step);
  if (code == "CALC") return CalcLabel(fig, step);
  if (const Rule* rule = RuleFor(code)) return LabelFromInputs(fig, step, *rule);
  return std::nullopt;
}

}  // namespace

void RebuildLabels(Figure& fig) {
  // Step order matters: a label built from an earlier step's number sees that number's new label.
  const int steps = std::min<int>(fig.StepCount, fig.StepCode.LastIndex());
  for (int step = 1; step <= steps; ++step)
    if (const auto label = StepLabel(fig, step)) SetName(fig, fig.StepOut[step][1], *label);
}

}  // namespace zm
