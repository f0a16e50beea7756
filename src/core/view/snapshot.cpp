#include "view/snapshot.h"

namespace zm {

namespace {
template <class Rec>
void CopyTable(const Table<Rec>& from, Table<Rec>& to, int count) {
  for (int i = 1; i <= count; ++i) to[i] = from[i];
}
}  // namespace

void TakeSnapshot(Figure& fig) {
  CopyTable(fig.Numbers, fig.SnapshotNumbers, fig.ObjCount[kNumber]);
  CopyTable(fig.Points, fig.SnapshotPoints, fig.ObjCount[kPoint]);
  CopyTable(fig.Lines, fig.SnapshotLines, fig.ObjCount[kLine]);
  CopyTable(fig.Circles, fig.SnapshotCircles, fig.ObjCount[kCircle]);
}

}  // namespace zm
