#pragma once
// Points bound to a point, a line or a circle: placed from their parameter after every
// recomputation pass, and given a parameter from a position while they are dragged.

#include "figure/figure.h"
#include "platform/alerts.h"

namespace zm {

// Places point p on its host by its binding kind (1 point, 2 line, 3 circle); 0 and other kinds
// change nothing. An index outside the host table leaves the point alone.
void PlaceBoundPoint(Figure& fig, Alerts& alerts, int p);

void PlaceOnLine(PointRec& b, const LineRec& l, Alerts& alerts);
void PlaceOnCircle(PointRec& b, const CircleRec& c);

// Sets the parameter of point p from its current position on its host.
void ParamFromPosition(Figure& fig, int p);

// Direction angle of v in radians, [0, 2 pi) (or -pi/2 straight down); 0 for a vector too short.
double DirAngle(Vec2 v);

// The check state of the host object of a bound point (0 when the binding names none).
std::int16_t HostCheck(const Figure& fig, const PointRec& p);

}  // namespace zm
