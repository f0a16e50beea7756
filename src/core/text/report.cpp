#include "text/report.h"

#include <utility>

#include "text/number_text.h"
#include "text/proc_description.h"

namespace zm {

namespace {

constexpr std::string_view kRule = "----------";

// The report text, one CR LF line at a time.
class ReportWriter {
 public:
  std::string text;

  template <class... Parts>
  void Line(const Parts&... parts) {
    ((text += std::string_view(parts)), ...);
    text += "\r\n";
  }
};

std::string NT(double x) { return NumberText(x); }

// Two values joined by a comma, as every coordinate pair of the report is written.
std::string Pair(double x, double y) { return NT(x) + "," + NT(y); }

std::string StepLine(const Figure& fig, int step) {
  const std::string code = fig.StepCode[step].Padded();
  return NT(step) + ":" + code + "(" + ProcDescription(code) + ")";
}

std::string SlotList(const StepSlots& slots) {
  std::string out;
  for (int j = 1; j <= kSlots; ++j) out += NT(slots[j].kind) + ":" + NT(slots[j].index) + " , ";
  return out;
}

void WriteSteps(ReportWriter& w, const Figure& fig) {
  w.Line("作図手続き数 : ", NT(fig.StepCount));
  w.Line(kRule);
  for (int i = 1; i <= fig.StepCount; ++i) w.Line(StepLine(fig, i));
  w.Line(kRule);
  for (int i = 1; i <= fig.StepCount; ++i) {
    w.Line(StepLine(fig, i));
    w.Line("in : ", SlotList(fig.StepIn[i]));
    w.Line("out: ", SlotList(fig.StepOut[i]));
  }
  w.Line(kRule);
}

void WriteCounts(ReportWriter& w, const Figure& fig) {
  w.Line("幾何的対象の数");
  w.Line("数   : ", NT(fig.ObjCount[kNumber]));
  w.Line("点   : ", NT(fig.ObjCount[kPoint]));
  w.Line("直線 : ", NT(fig.ObjCount[kLine]));
  w.Line("円   : ", NT(fig.ObjCount[kCircle]));
  w.Line("");
  w.Line(kRule);
}

void WriteNumber(ReportWriter& w, const NumberRec& n) {
  w.Line("");
  w.Line("名前     : ", n.name.Padded());
  w.Line("値       : ", NT(n.value));
  w.Line("独立/従属: ", NT(n.independenceFlag));
  w.Line("チェック : ", NT(n.check));
  w.Line("数式表示 : ", n.formula.Padded());
}

void WritePoint(ReportWriter& w, const PointRec& p) {
  w.Line("");
  w.Line("名前     : ", p.name.Padded());
  w.Line("座標     : ", Pair(p.x, p.y));
  w.Line("種類     : ", NT(p.kind));
  w.Line("独立/従属: ", NT(p.independenceFlag));
  // The parameter follows the binding index with only its own blank or sign between them.
  w.Line("束縛状態 : ", Pair(p.bindingKind, p.bindingIndex), NT(p.parameter));
  w.Line("チェック : ", NT(p.check));
  w.Line("色       : ", NT(p.colour));
  w.Line("軌跡の色  : ", NT(p.locusColour));
}

void WriteLine(ReportWriter& w, const LineRec& l) {
  w.Line("");
  w.Line("名前     : ", l.name.Padded());
  w.Line("(", Pair(l.end1.x, l.end1.y), ") -(", Pair(l.end2.x, l.end2.y), ")");
  w.Line("方向     : ", Pair(l.direction.x, l.direction.y));
  w.Line("種類     : ", NT(l.kind));
  w.Line("チェック : ", NT(l.check));
  w.Line("色       : ", NT(l.colour));
  w.Line("軌跡の色  : ", NT(l.locusColour));
}

void WriteCircle(ReportWriter& w, const CircleRec& c) {
  w.Line("");
  w.Line("名前     : ", c.name.Padded());
  w.Line("中心 (", Pair(c.centre.x, c.centre.y), "), 半径: ", NT(c.radius));
  w.Line("チェック : ", NT(c.check));
  w.Line("色       : ", NT(c.colour));
  w.Line("軌跡の色  : ", NT(c.locusColour));
}

// Every section ends with a rule line, also when it lists nothing.
template <class Rec, class WriteRecord>
void WriteSection(ReportWriter& w, const Table<Rec>& table, int count, WriteRecord write) {
  for (int i = 1; i <= count; ++i) write(w, table[i]);
  w.Line(kRule);
}

}  // namespace

std::string ReportText(const Figure& fig, const std::string& currentFile) {
  ReportWriter w;
  w.Line("FileName : ", currentFile);
  WriteSteps(w, fig);
  WriteCounts(w, fig);
  WriteSection(w, fig.Numbers, fig.ObjCount[kNumber], WriteNumber);
  WriteSection(w, fig.Points, fig.ObjCount[kPoint], WritePoint);
  WriteSection(w, fig.Lines, fig.ObjCount[kLine], WriteLine);
  WriteSection(w, fig.Circles, fig.ObjCount[kCircle], WriteCircle);
  w.Line("以上");
  return std::move(w.text);
}

}  // namespace zm
