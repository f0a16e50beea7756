#include <gtest/gtest.h>

#include "figure/figure.h"
#include "geometry/solution_order.h"

namespace zm {
namespace {

TEST(SolutionOrderOf, ReadsTheSnapshotOfTheCurrentOutputsAndTheCurrentStepsFlag) {
  Figure fig;
  NewFigure(fig, kStandardCapacity);
  fig.SnapshotPoints[4].x = 1;
  fig.SnapshotPoints[4].y = 2;
  fig.SnapshotPoints[7].x = 3;
  fig.SnapshotPoints[7].y = 4;
  fig.Points[4].x = 50;  // the live table is not what was drawn
  fig.CurrentStep = 9;
  fig.CurrentOutputs[1] = 4;
  fig.CurrentOutputs[2] = 7;

  SolutionOrder order = SolutionOrderOf(fig);
  EXPECT_EQ(order.recorded1.x, 1);
  EXPECT_EQ(order.recorded1.y, 2);
  EXPECT_EQ(order.recorded2.x, 3);
  EXPECT_EQ(order.recorded2.y, 4);
  ASSERT_EQ(order.swapFlag, &fig.SwapFlag[9]) << "turning the flag must reach the step's entry";
}

}  // namespace
}  // namespace zm
