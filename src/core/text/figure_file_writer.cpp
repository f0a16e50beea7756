#include "text/figure_file_writer.h"

#include <cmath>
#include <initializer_list>
#include <string_view>

#include "text/number_text.h"

namespace zm {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string Int(std::int16_t v) { return std::to_string(v); }

// The display text without its sign blank and with a zero before a bare point, as construction
// files have always been written: "0.5", "-0.25", "1E+20". A value that is not finite could not
// be read back, which would make the whole file unreadable, so it is written as 0.
std::string Real(double v) {
  if (!std::isfinite(v)) return "0";
  std::string text = NumberText(v);
  if (!text.empty() && text.front() == ' ') text.erase(0, 1);
  const std::size_t digits = text.front() == '-' ? 1 : 0;
  if (text[digits] == '.') text.insert(digits, 1, '0');
  return text;
}

// The layout has no escape for a quote inside a text, and a line end would split the record:
// a quote is written as an apostrophe and a line-end character as a blank.
std::string Quoted(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"') c = '\'';
    if (c == '\r' || c == '\n') c = ' ';
    out += c;
  }
  out += '"';
  return out;
}

class Lines {
 public:
  void Put(std::initializer_list<std::string> items) {
    bool first = true;
    for (const std::string& item : items) {
      if (!first) out_ += ',';
      out_ += item;
      first = false;
    }
    out_ += kLineEnd;
  }
  std::string Take() { return std::move(out_); }

 private:
  std::string out_;
};

void PutSlots(Lines& out, const Figure& fig, const Table<StepSlots>& slots) {
  for (int i = 1; i <= fig.StepCount; ++i)
    for (int j = 1; j <= kSlots; ++j) out.Put({Int(slots[i][j].kind), Int(slots[i][j].index)});
}

void PutNumber(Lines& out, const NumberRec& n) {
  out.Put({Real(n.value), Int(n.check), Quoted(n.name.Trimmed() + "@" + n.formula.Trimmed())});
  out.Put({Int(n.independenceFlag)});
}

void PutPoint(Lines& out, const PointRec& p) {
  out.Put({Real(p.x), Real(p.y)});
  out.Put({Int(p.colour)});
  out.Put({Int(p.locusColour)});
  out.Put({Int(p.check)});
  out.Put({Int(p.kind)});
  out.Put({Int(p.independenceFlag)});
  out.Put({Int(p.bindingKind), Int(p.bindingIndex)});
  out.Put({Real(p.parameter)});
  out.Put({Quoted(p.name.Trimmed())});
}

void PutLine(Lines& out, const LineRec& l) {
  out.Put({Real(l.end1.x), Real(l.end1.y)});
  out.Put({Real(l.end2.x), Real(l.end2.y)});
  out.Put({Int(l.check)});
  out.Put({Int(l.kind)});
  out.Put({Real(l.direction.x), Real(l.direction.y)});
  out.Put({Int(l.colour)});
  out.Put({Int(l.locusColour)});
  out.Put({Quoted(l.name.Trimmed())});
}

void PutCircle(Lines& out, const CircleRec& c) {
  out.Put({Real(c.centre.x), Real(c.centre.y)});
  out.Put({Real(c.radius)});
  out.Put({Int(c.check)});
  out.Put({Int(c.colour)});
  out.Put({Int(c.locusColour)});
  out.Put({Quoted(c.name.Trimmed())});
}

}  // namespace

std::string FigureText(const Figure& fig) {
  Lines out;
  // 1 ... 4: the step list
  out.Put({Int(fig.StepCount)});
  for (int i = 1; i <= fig.StepCount; ++i) out.Put({Quoted(fig.StepCode[i].Trimmed())});
  PutSlots(out, fig, fig.StepIn);
  PutSlots(out, fig, fig.StepOut);
  // 5: all eleven counts
  for (std::int16_t count : fig.ObjCount) out.Put({Int(count)});
  // 6 ... 9: the records
  for (int i = 1; i <= fig.ObjCount[kNumber]; ++i) PutNumber(out, fig.Numbers[i]);
  for (int i = 1; i <= fig.ObjCount[kPoint]; ++i) PutPoint(out, fig.Points[i]);
  for (int i = 1; i <= fig.ObjCount[kLine]; ++i) PutLine(out, fig.Lines[i]);
  for (int i = 1; i <= fig.ObjCount[kCircle]; ++i) PutCircle(out, fig.Circles[i]);
  // 10: the steps whose two solutions trade places
  for (int i = 1; i <= fig.StepCount; ++i)
    if (fig.SwapFlag[i] != 0) out.Put({"REV=" + std::to_string(i)});
  return out.Take();
}

}  // namespace zm
