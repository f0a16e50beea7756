#include "geometry/solution_order.h"

namespace zm {

SolutionOrder SolutionOrderOf(Figure& fig) {
  const PointRec& first = fig.SnapshotPoints[fig.CurrentOutputs[1]];
  const PointRec& second = fig.SnapshotPoints[fig.CurrentOutputs[2]];
  return {{first.x, first.y}, {second.x, second.y}, &fig.SwapFlag[fig.CurrentStep]};
}

}  // namespace zm
