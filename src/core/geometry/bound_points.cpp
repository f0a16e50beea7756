#include "geometry/bound_points.h"

namespace zm {

// Placeholder until bound points are written.
void PlaceBoundPoint(Figure&, Alerts&, int) {}
std::int16_t HostCheck(const Figure&, const PointRec&) { return 0; }

}  // namespace zm
