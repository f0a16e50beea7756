#include "text/figure_file_reader.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "text/fields.h"
#include "text/file_items.h"
#include "text/number_reading.h"

namespace zm {

namespace {

constexpr std::string_view kSwapKey = "REV";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A decimal number text and nothing else: sign, digits with an optional point, an optional
// exponent with E (or D, which older writers used). "inf", "nan" and hexadecimal are not.
bool IsDecimalText(std::string_view s) {
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  std::size_t digits = 0;
  for (; i < s.size() && IsDigit(s[i]); ++i) ++digits;
  if (i < s.size() && s[i] == '.')
    for (++i; i < s.size() && IsDigit(s[i]); ++i) ++digits;
  if (digits == 0) return false;
  if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t exponentDigits = 0;
    for (; i < s.size() && IsDigit(s[i]); ++i) ++exponentDigits;
    if (exponentDigits == 0) return false;
  }
  return i == s.size();
}

enum class Decimal { kOk, kNotNumber, kOutOfRange };

// from_chars is locale-independent; it wants no "+" and an "e" for the exponent.
Decimal ParseDecimal(std::string_view s, double& value) {
  if (!IsDecimalText(s)) return Decimal::kNotNumber;
  std::string plain;
  for (char c : s) {
    if (c == '+') continue;
    plain += (c == 'D' || c == 'd') ? 'e' : c;
  }
  const auto result = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (result.ec != std::errc{} || !std::isfinite(value)) return Decimal::kOutOfRange;
  return Decimal::kOk;
}

std::string ItemErrorText(ItemError error) {
  switch (error) {
    case ItemError::kEndOfFile: return "ファイルが途中で終わっています。";
    case ItemError::kOpenQuote: return "引用符が閉じていません。";
    case ItemError::kAfterQuote: return "引用符の後に余分な文字があります。";
    case ItemError::kNone: break;
  }
  return {};
}

// Typed reading with a sticky failure: once an item fails, every later read does nothing, so a
// record is read field by field and checked once at its end.
class FieldReader {
 public:
  explicit FieldReader(std::string_view text) : items_(text) {}

  // Any decimal text of an integral value inside 16 bits: "7", "-1", "7.0".
  void Int(std::int16_t& v) {
    constexpr const char* kNotInt = "整数が必要な所に整数でない項目があります。";
    constexpr double kLowest = std::numeric_limits<std::int16_t>::min();
    constexpr double kHighest = std::numeric_limits<std::int16_t>::max();
    double x = 0;
    if (!Number(x, kNotInt)) return;
    if (x != std::trunc(x)) return Fail(kNotInt);
    if (x < kLowest || x > kHighest) return Fail("整数が範囲(-32768～32767)を超えています。");
    v = static_cast<std::int16_t>(x);
  }

  void Real(double& v) { Number(v, "実数が必要な所に実数でない項目があります。"); }

  // Texts are always written in quotes. Taking an unquoted item as a text would let the older
  // layout's pass read a damaged current-layout file out of step without noticing.
  void Text(std::string& s) {
    if (!Item()) return;
    if (!item_.quoted) return Fail("文字列が必要な所に文字列でない項目があります。");
    s = item_.text;
  }

  std::optional<std::string> Line() {
    if (failure_) return std::nullopt;
    return items_.NextLine();
  }

  // Fails at the item (or line) read last unless `ok`.
  void Require(bool ok, const std::string& reason) {
    if (!ok) Fail(reason);
  }

  bool Failed() const { return failure_.has_value(); }
  std::optional<ReadFailure> TakeFailure() { return std::move(failure_); }

 private:
  bool Item() {
    if (failure_) return false;
    const ItemError error = items_.Next(item_);
    if (error == ItemError::kNone) return true;
    Fail(ItemErrorText(error));
    return false;
  }

  bool Number(double& v, const char* notNumber) {
    if (!Item()) return false;
    double x = 0;
    const Decimal parsed = item_.quoted ? Decimal::kNotNumber : ParseDecimal(item_.text, x);
    if (parsed == Decimal::kNotNumber) Fail(notNumber);
    if (parsed == Decimal::kOutOfRange) Fail("数値が大きすぎます。");
    if (parsed != Decimal::kOk) return false;
    v = x;
    return true;
  }

  void Fail(const std::string& reason) {
    if (!failure_) failure_ = ReadFailure{reason, items_.ItemLine(), items_.ItemOffset()};
  }

  ItemReader items_;
  FileItem item_;
  std::optional<ReadFailure> failure_;
};

void RequireCount(FieldReader& r, std::int16_t count, int capacity, const std::string& what) {
  r.Require(count >= 0, what + "が負の値です。");
  r.Require(count <= capacity, what + "が上限(" + std::to_string(capacity) + ")を超えています。");
}

// An input slot may hold the requirement codes of a construction being entered; an output
// names an object. Either way the index must lie inside the tables.
bool ValidRef(ObjRef ref, bool input, int capacity) {
  const bool objectKind = ref.kind >= kNumber && ref.kind <= kCircle;
  const bool requirement = input && (ref.kind == kNeedsNumber || ref.kind == kInputsEnd);
  return (objectKind || requirement) && ref.index >= 0 && ref.index <= capacity;
}

void ReadSlots(FieldReader& r, Figure& fig, Table<StepSlots>& slots, bool input) {
  const std::string what = input ? "の入力" : "の出力";
  for (int i = 1; i <= fig.StepCount && !r.Failed(); ++i) {
    for (int j = 1; j <= kSlots; ++j) {
      ObjRef& ref = slots[i][j];
      r.Int(ref.kind);
      r.Int(ref.index);
      r.Require(ValidRef(ref, input, fig.capacity),
                "手続き" + std::to_string(i) + what + "の参照が正しくありません。");
    }
  }
}

// Blocks 1 to 4: the step list.
void ReadSteps(FieldReader& r, Figure& fig) {
  r.Int(fig.StepCount);
  RequireCount(r, fig.StepCount, fig.StepCapacity(), "手続き数");
  if (r.Failed()) return;
  for (int i = 1; i <= fig.StepCount; ++i) {
    std::string code;
    r.Text(code);
    fig.StepCode[i].Assign(code);
  }
  ReadSlots(r, fig, fig.StepIn, true);
  ReadSlots(r, fig, fig.StepOut, false);
}

// Block 5. Entries 4 ... 10 are kept as read: nothing uses them.
void ReadCounts(FieldReader& r, Figure& fig) {
  constexpr const char* kWhat[] = {"数値の個数", "点の個数", "直線の個数", "円の個数"};
  for (int k = 0; k < kObjCountEntries; ++k) {
    r.Int(fig.ObjCount[k]);
    if (k <= kCircle) RequireCount(r, fig.ObjCount[k], fig.capacity, kWhat[k]);
  }
}

void ReadNumberRecord(FieldReader& r, Figure& fig, int i, FileLayout layout) {
  NumberRec& n = fig.Numbers[i];
  std::string joined;
  r.Real(n.value);
  r.Int(n.check);
  r.Text(joined);
  // The name and the formula share one text item, "name@formula".
  SetName(fig, ObjRef{kNumber, static_cast<std::int16_t>(i)}, FieldOf(joined, "@", 1));
  n.formula.Assign(FieldOf(joined, "@", 2));
  if (layout == FileLayout::kCurrent) r.Int(n.independenceFlag);
}

void ReadName(FieldReader& r, Figure& fig, std::int16_t kind, int i) {
  std::string name;
  r.Text(name);
  SetName(fig, ObjRef{kind, static_cast<std::int16_t>(i)}, name);
}

void ReadPointRecord(FieldReader& r, Figure& fig, int i) {
  PointRec& p = fig.Points[i];
  r.Real(p.x);
  r.Real(p.y);
  r.Int(p.colour);
  r.Int(p.locusColour);
  r.Int(p.check);
  r.Int(p.kind);
  r.Int(p.independenceFlag);
  r.Int(p.bindingKind);
  r.Int(p.bindingIndex);
  r.Real(p.parameter);
  ReadName(r, fig, kPoint, i);
}

void ReadLineRecord(FieldReader& r, Figure& fig, int i) {
  LineRec& l = fig.Lines[i];
  r.Real(l.end1.x);
  r.Real(l.end1.y);
  r.Real(l.end2.x);
  r.Real(l.end2.y);
  r.Int(l.check);
  r.Int(l.kind);
  r.Real(l.direction.x);
  r.Real(l.direction.y);
  r.Int(l.colour);
  r.Int(l.locusColour);
  ReadName(r, fig, kLine, i);
}

void ReadCircleRecord(FieldReader& r, Figure& fig, int i) {
  CircleRec& c = fig.Circles[i];
  r.Real(c.centre.x);
  r.Real(c.centre.y);
  r.Real(c.radius);
  r.Int(c.check);
  r.Int(c.colour);
  r.Int(c.locusColour);
  ReadName(r, fig, kCircle, i);
}

// Blocks 6 to 9.
void ReadRecords(FieldReader& r, Figure& fig, FileLayout layout) {
  const auto& count = fig.ObjCount;
  for (int i = 1; i <= count[kNumber] && !r.Failed(); ++i) ReadNumberRecord(r, fig, i, layout);
  for (int i = 1; i <= count[kPoint] && !r.Failed(); ++i) ReadPointRecord(r, fig, i);
  for (int i = 1; i <= count[kLine] && !r.Failed(); ++i) ReadLineRecord(r, fig, i);
  for (int i = 1; i <= count[kCircle] && !r.Failed(); ++i) ReadCircleRecord(r, fig, i);
}

std::string KeyOf(std::string_view line) {
  std::string key = FieldOf(line, "=", 1);
  const auto first = key.find_first_not_of(' ');
  const auto last = key.find_last_not_of(' ');
  key = first == std::string::npos ? std::string() : key.substr(first, last - first + 1);
  for (char& c : key)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return key;
}

// Block 10: "REV=k" for each step whose two solutions trade places; other lines are ignored.
void ReadSwapFlags(FieldReader& r, Figure& fig) {
  while (const auto line = r.Line()) {
    if (KeyOf(*line) != kSwapKey) continue;
    const auto step = RoundToInt16(ReadNumber(FieldOf(*line, "=", 2)));
    const bool inside = step && *step >= 1 && *step <= fig.StepCapacity();
    r.Require(inside,
              "REVの手続き番号が1～" + std::to_string(fig.StepCapacity()) + "の範囲にありません。");
    if (inside) fig.SwapFlag[*step] = kTrue;
  }
}

}  // namespace

std::optional<ReadFailure> ReadFigureText(std::string_view text, Figure& fig, FileLayout layout) {
  FieldReader r(text);
  ReadSteps(r, fig);
  ReadCounts(r, fig);
  ReadRecords(r, fig, layout);
  ReadSwapFlags(r, fig);
  return r.TakeFailure();
}

}  // namespace zm
