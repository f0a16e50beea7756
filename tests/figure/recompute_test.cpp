#include <gtest/gtest.h>

#include <initializer_list>

#include "cli/scripted_shell.h"
#include "figure/recompute.h"

namespace zm {
namespace {

class RecomputeTest : public ::testing::Test {
 protected:
  void SetUp() override { NewFigure(fig, kStandardCapacity); }

  // Appends a step; returns its index.
  int AddStep(const char* code, std::initializer_list<ObjRef> in, std::initializer_list<ObjRef> out) {
    return AppendStep(fig, code, in, out);
  }

  ObjRef AddFreePoint(double x, double y) {
    const auto index = ++fig.ObjCount[kPoint];
    PointRec& p = fig.Points[index];
    p.x = x;
    p.y = y;
    p.check = kValid;
    p.independenceFlag = kTrue;
    const ObjRef ref{kPoint, index};
    AddStep("PNEW", {}, {ref});
    return ref;
  }

  ObjRef NewObject(std::int16_t kind) { return {kind, ++fig.ObjCount[kind]}; }

  Figure fig;
  ScriptedShell shell;
};

TEST_F(RecomputeTest, AnEmptyListNeedsNoPass) {
  MarkDependencies(fig, shell, {});
  EXPECT_EQ(fig.PassCount, 0);
  RecomputeAll(fig, shell);
  EXPECT_TRUE(shell.Log().empty());
}

TEST_F(RecomputeTest, MarkingGivesFreePointsTheirStepAndLaterStepsTheSmallestInputLevel) {
  const ObjRef a = AddFreePoint(0, 0);
  const ObjRef b = AddFreePoint(3, 4);
  const ObjRef line = NewObject(kLine);
  AddStep("L1", {a, b}, {line});

  MarkDependencies(fig, shell, {});
  EXPECT_EQ(fig.Points[a.index].check, -1);
  EXPECT_EQ(fig.Points[b.index].check, -2);
  EXPECT_EQ(fig.Lines[line.index].check, -3);
  EXPECT_EQ(fig.StepState[1], -1);
  EXPECT_EQ(fig.StepState[2], -1);
  EXPECT_EQ(fig.StepState[3], -2);
  EXPECT_EQ(fig.PassCount, 1);

  RecomputeAll(fig, shell);
  EXPECT_EQ(fig.Lines[line.index].check, kValid);
  EXPECT_DOUBLE_EQ(fig.Lines[line.index].direction.x, 0.6);
}

TEST_F(RecomputeTest, AMissingInputGivesLevelZeroWhateverTheOtherInputsAre) {
  const ObjRef a = AddFreePoint(0, 0);
  const ObjRef b = NewObject(kPoint);  // never computed: check 0
  const ObjRef line = NewObject(kLine);
  fig.Lines[line.index].check = kValid;
  const int step = AddStep("L1", {b, a}, {line});
  EXPECT_EQ(StepLevel(fig, step), 0);
  MarkDependencies(fig, shell, {});
  EXPECT_EQ(fig.Lines[line.index].check, 0);
}

TEST_F(RecomputeTest, UnaffectedStepsAreLeftOutAndBoundPointStepsStayValid) {
  const ObjRef p = NewObject(kPoint);
  const ObjRef q = NewObject(kPoint);
  const ObjRef r = NewObject(kPoint);
  for (ObjRef ref : {p, q, r}) fig.Points[ref.index].check = kUnaffected;
  fig.Points[q.index].x = 6;
  const ObjRef centroid = NewObject(kPoint);
  const ObjRef bound = NewObject(kPoint);
  fig.Points[centroid.index].x = 99;
  const int step = AddStep("P3", {p, q, r}, {centroid});
  AddStep("PBND", {p}, {bound});

  EXPECT_EQ(StepLevel(fig, step), kUnaffected);
  MarkDependencies(fig, shell, {});
  RecomputeAll(fig, shell);
  EXPECT_EQ(fig.Points[centroid.index].check, kUnaffected);
  EXPECT_EQ(fig.Points[centroid.index].x, 99) << "a step at level 2 is not evaluated";
  EXPECT_EQ(fig.Points[bound.index].check, kValid);
}

TEST_F(RecomputeTest, StepsThatUseLaterObjectsStillEndTheMarking) {
  // A hand-made file can make two steps depend on each other's outputs.
  const ObjRef a = AddFreePoint(0, 0);
  const ObjRef p = NewObject(kPoint);
  const ObjRef q = NewObject(kPoint);
  AddStep("P3", {a, q, q}, {p});
  AddStep("P3", {a, p, p}, {q});
  fig.Points[p.index].check = kValid;
  fig.Points[q.index].check = kValid;
  MarkDependencies(fig, shell, {});
  EXPECT_LE(fig.PassCount, fig.StepCount);
  RecomputeAll(fig, shell);
}

TEST_F(RecomputeTest, BoundPointsAddAPassAndFollowTheirHost) {
  const ObjRef a = AddFreePoint(1, 2);
  const ObjRef b = NewObject(kPoint);
  PointRec& onA = fig.Points[b.index];
  onA.independenceFlag = kTrue;
  onA.bindingKind = 1;
  onA.bindingIndex = a.index;
  onA.check = kValid;
  AddStep("PNEW", {}, {b});

  MarkDependencies(fig, shell, {});
  EXPECT_EQ(fig.PassCount, 2);
  fig.Points[a.index].x = 5;
  RecomputeAll(fig, shell);
  EXPECT_EQ(onA.x, 5);
  EXPECT_EQ(onA.y, 2);
}

TEST_F(RecomputeTest, RecomputeFromScratchRevivesEveryObjectThatExists) {
  const ObjRef a = AddFreePoint(0, 0);
  const ObjRef b = AddFreePoint(0, 0.005);  // too close for a line
  const ObjRef line = NewObject(kLine);
  AddStep("L1", {a, b}, {line});
  RecomputeFromScratch(fig, shell);
  EXPECT_EQ(fig.Lines[line.index].check, 0);

  fig.Points[b.index].y = 4;
  RecomputeFromScratch(fig, shell);
  EXPECT_EQ(fig.Lines[line.index].check, kValid);
}

TEST_F(RecomputeTest, CalcStepsEvaluateTheirFormulaThroughTheDispatcher) {
  const ObjRef n1 = NewObject(kNumber);
  const ObjRef n2 = NewObject(kNumber);
  const ObjRef sum = NewObject(kNumber);
  fig.Numbers[n1.index].value = 6;
  fig.Numbers[n2.index].value = 3;
  fig.Numbers[sum.index].formula.Assign("N1+N2");
  const int step = AddStep("CALC", {}, {sum});
  EvalStep(fig, shell, step);
  EXPECT_EQ(fig.Numbers[sum.index].value, 9);
  EXPECT_EQ(fig.Numbers[sum.index].check, kValid);
  EXPECT_EQ(fig.CurrentStep, step);
  EXPECT_EQ(fig.CurrentOutputs[1], sum.index);
}

}  // namespace
}  // namespace zm
