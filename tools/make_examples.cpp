// Writes the sample construction files of examples/: each figure is built step by step in memory,
// the way the construction commands append steps and objects, recomputed, and saved through the
// program's own writer.
//
//   zm_make_examples DIR

#include <cstdio>
#include <initializer_list>
#include <string>
#include <vector>

#include "cli/null_surface.h"
#include "cli/scripted_shell.h"
#include "figure/recompute.h"
#include "text/labels.h"
#include "view/snapshot.h"
#include "window/file_commands.h"

namespace zm {
namespace {

struct Output {
  std::int16_t kind;
  std::int16_t lineKind = 0;  // for a line: 0 line, 1 segment, 2 half-line
};

class ExampleBuilder {
 public:
  explicit ExampleBuilder(App& app) : fig_(app.fig) { NewFigure(fig_, kStandardCapacity); }

  ObjRef FreePoint(double x, double y) {
    const ObjRef p = NewObject(kPoint);
    PointRec& rec = fig_.Points[p.index];
    rec.x = x;
    rec.y = y;
    rec.kind = 0;
    rec.independenceFlag = kTrue;
    rec.check = kValid;
    AppendStep(fig_, "PNEW", {}, {p});
    return p;
  }

  // A number typed in with the number dialog: independent, no step.
  ObjRef TypedNumber(double value) {
    const ObjRef n = NewObject(kNumber);
    fig_.Numbers[n.index].value = value;
    fig_.Numbers[n.index].independenceFlag = kTrue;
    fig_.Numbers[n.index].check = kValid;
    return n;
  }

  std::vector<ObjRef> Step(const char* code, std::initializer_list<ObjRef> inputs,
                           std::initializer_list<Output> outputs) {
    std::vector<ObjRef> made;
    for (const Output& o : outputs) {
      const ObjRef ref = NewObject(o.kind);
      if (o.kind == kPoint) fig_.Points[ref.index].kind = 1;
      if (o.kind == kLine) fig_.Lines[ref.index].kind = o.lineKind;
      made.push_back(ref);
    }
    AppendStep(fig_, code, std::span<const ObjRef>(inputs.begin(), inputs.size()), made);
    return made;
  }

  ObjRef Step1(const char* code, std::initializer_list<ObjRef> inputs, Output output) {
    return Step(code, inputs, {output})[0];
  }

  // A computed number whose formula names numbers by index, as construction files bring them.
  ObjRef Calc(const char* formula) {
    const ObjRef n = NewObject(kNumber);
    fig_.Numbers[n.index].formula.Assign(formula);
    AppendStep(fig_, "CALC", {}, {n});
    return n;
  }

 private:
  ObjRef NewObject(std::int16_t kind) { return {kind, ++fig_.ObjCount[kind]}; }

  Figure& fig_;
};

constexpr Output kPointOut{kPoint};
constexpr Output kLineOut{kLine, 0};
constexpr Output kSegmentOut{kLine, 1};
constexpr Output kHalfLineOut{kLine, 2};
constexpr Output kCircleOut{kCircle};
constexpr Output kNumberOut{kNumber};

void TriangleCentres(ExampleBuilder& b) {
  const ObjRef A = b.FreePoint(-4, -3), B = b.FreePoint(5, -2), C = b.FreePoint(1, 5);
  b.Step1("L1", {A, B}, kSegmentOut);
  b.Step1("L1", {B, C}, kSegmentOut);
  b.Step1("L1", {C, A}, kSegmentOut);
  const ObjRef O = b.Step1("P1", {A, B, C}, kPointOut);
  b.Step1("C3", {A, B, C}, kCircleOut);
  b.Step1("P2", {A, B, C}, kPointOut);
  b.Step1("C5", {A, B, C}, kCircleOut);
  b.Step1("P3", {A, B, C}, kPointOut);
  const ObjRef H = b.Step1("P4", {A, B, C}, kPointOut);
  b.Step1("P6", {A, B, C}, kPointOut);
  b.Step1("C7", {A, B, C}, kCircleOut);
  b.Step1("L1", {O, H}, kLineOut);
  b.Step1("P5", {A, B, C}, kPointOut);
  b.Step1("C6", {A, B, C}, kCircleOut);
}

void Tangents(ExampleBuilder& b) {
  const ObjRef O = b.FreePoint(-3, 0), A = b.FreePoint(0, 0);
  const ObjRef c1 = b.Step1("C2", {O, A}, kCircleOut);
  const ObjRef P = b.FreePoint(-9, 6);
  b.Step("L5", {P, c1}, {kLineOut, kLineOut});
  b.Step1("L8", {P, c1}, kLineOut);
  const ObjRef Q = b.FreePoint(6, 1);
  const ObjRef r = b.TypedNumber(2);
  const ObjRef c2 = b.Step1("C1", {Q, r}, kCircleOut);
  b.Step("L6", {c1, c2}, {kLineOut, kLineOut});
  b.Step("L7", {c1, c2}, {kLineOut, kLineOut});
  const ObjRef OQ = b.Step1("L1", {O, Q}, kLineOut);
  b.Step("PC2", {OQ, c1}, {kPointOut, kPointOut});
  b.Step("PC3", {c1, c2}, {kPointOut, kPointOut});
  b.Step1("PT4", {P, c1}, kPointOut);
}

void Measurements(ExampleBuilder& b) {
  const ObjRef A = b.FreePoint(-5, -3), B = b.FreePoint(4, -3), C = b.FreePoint(-1, 4);
  const ObjRef AB = b.Step1("L1", {A, B}, kSegmentOut);
  const ObjRef BC = b.Step1("L1", {B, C}, kSegmentOut);
  b.Step1("L1", {C, A}, kSegmentOut);
  const ObjRef circle = b.Step1("C3", {A, B, C}, kCircleOut);
  b.Step1("ND2P", {A, B}, kNumberOut);
  b.Step1("ND2P", {B, C}, kNumberOut);
  const ObjRef angle = b.Step1("NA3P", {A, B, C}, kNumberOut);
  b.Step1("NA3+", {C, B, A}, kNumberOut);
  b.Step1("NA3*", {A, B, C}, kNumberOut);
  b.Step1("NAR3", {A, B, C}, kNumberOut);
  b.Step1("NAR+", {A, C, B}, kNumberOut);
  b.Step1("NDPL", {C, AB}, kNumberOut);
  b.Step1("NA2L", {AB, BC}, kNumberOut);
  b.Step1("NLC", {circle}, kNumberOut);
  b.Step1("NRC", {circle}, kNumberOut);
  b.Step1("NSIN", {angle}, kNumberOut);
  b.Step1("NCOS", {angle}, kNumberOut);
  b.Calc("#1+#2");
  b.Step1("C4", {AB}, kCircleOut);
  b.Step1("LH1", {A, B, C}, kHalfLineOut);
}

struct Example {
  const char* file;
  void (*build)(ExampleBuilder&);
};

constexpr Example kExamples[] = {
    {"triangle-centres.txt", TriangleCentres},
    {"tangents.txt", Tangents},
    {"measurements.txt", Measurements},
};

int Run(const std::string& dir) {
  for (const Example& example : kExamples) {
    ScriptedShell shell;
    NullSurface surface;
    App app(shell, surface);
    ExampleBuilder builder(app);
    example.build(builder);
    RebuildLabels(app.fig);
    RecomputeFromScratch(app.fig, shell);
    TakeSnapshot(app.fig);
    if (SaveFigure(app, dir + "/" + example.file) != FileStatus::kDone) return 1;
  }
  return 0;
}

}  // namespace
}  // namespace zm

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: zm_make_examples DIR\n", stderr);
    return 2;
  }
  return zm::Run(argv[1]);
}
