#pragma once
// The computations behind the primitives, on plain values: coordinates, radii and measures in,
// the result out, or nothing where the primitive fails (one of its degenerate cases, or a result
// that is not finite). The record primitives of primitives.h and the step evaluators are built on
// these, so that an intermediate result is a few doubles and never a whole record with its
// fixed-width name, which would be blank-filled every time it is made.
//
// The check rule of the records becomes: a caller passes values only from records that exist
// (AllValid), and an empty result stands for an output of check 0.

#include <optional>

#include "figure/records.h"
#include "geometry/primitives.h"
#include "platform/alerts.h"

namespace zm {

// The geometric fields of a line that exists.
struct LineGeometry {
  Vec2 end1;
  Vec2 end2;
  Vec2 direction;
};

// The geometric fields of a circle that exists.
struct CircleGeometry {
  Vec2 centre;
  double radius = 0;
};

// The two solutions of a two-solution intersection, in the order they are stored.
struct TwoPoints {
  Vec2 first;
  Vec2 second;
};

// True when no record has check state 0.
template <class... Rec>
bool AllValid(const Rec&... records) {
  return ((records.check != kInvalid) && ...);
}

inline Vec2 At(const PointRec& p) { return {p.x, p.y}; }
inline LineGeometry Geometry(const LineRec& l) { return {l.end1, l.end2, l.direction}; }
inline CircleGeometry Geometry(const CircleRec& c) { return {c.centre, c.radius}; }

// Points.
std::optional<Vec2> CentreAt(const CircleGeometry& c);  // none when not finite
std::optional<Vec2> DivisionAt(Vec2 p, Vec2 q, double m, double n);  // none when m + n = 0
std::optional<Vec2> ExtensionAt(Vec2 p, Vec2 q, double k);
std::optional<Vec2> ReflectionAt(Vec2 p, Vec2 centre);
std::optional<Vec2> RotationAt(Vec2 p, Vec2 centre, double degrees);
std::optional<Vec2> UnitStepAt(Vec2 p, Vec2 q);
std::optional<Vec2> IncentreAt(Vec2 p, Vec2 q, Vec2 r);
std::optional<Vec2> CircumcentreAt(Vec2 p, Vec2 q, Vec2 r);
std::optional<Vec2> ExcentreAt(Vec2 p, Vec2 q, Vec2 r);
std::optional<Vec2> OrthocentreAt(Vec2 p, Vec2 q, Vec2 r);
std::optional<Vec2> NinePointCentreAt(Vec2 p, Vec2 q, Vec2 r);
using TriangleCentre = std::optional<Vec2> (*)(Vec2 p, Vec2 q, Vec2 r);  // any of the five above

// Lines.
std::optional<LineGeometry> LineThrough(Vec2 p, Vec2 q);
std::optional<LineGeometry> PerpendicularThrough(const LineGeometry& l, Vec2 p);
std::optional<Vec2> FootAt(const LineGeometry& l, Vec2 p);  // of the perpendicular through p
std::optional<LineGeometry> BisectorOf(const LineGeometry& segment);
std::optional<LineGeometry> AngleBisectorAt(Vec2 p, Vec2 q, Vec2 r);
std::optional<LineGeometry> PolarOf(Vec2 p, const CircleGeometry& c);

// Intersections. The two-solution ones keep the solution order as KeepSolutionOrder does.
std::optional<Vec2> Meet(const LineGeometry& l1, const LineGeometry& l2);
std::optional<TwoPoints> MeetLineCircle(const LineGeometry& l, const CircleGeometry& c,
                                        SolutionOrder& order);
std::optional<TwoPoints> MeetCircles(const CircleGeometry& c1, const CircleGeometry& c2,
                                     SolutionOrder& order);
void KeepOrder(SolutionOrder& order, TwoPoints& solutions);
bool SamePlace(Vec2 a, Vec2 b);  // |dx| + |dy| below kSamePosition

// Measures.
std::optional<double> DistanceBetween(Vec2 p, Vec2 q);
std::optional<double> DistanceToLine(Vec2 p, const LineGeometry& l);
std::optional<double> DistanceToCircle(Vec2 p, const CircleGeometry& c);
std::optional<double> UnsignedAngleAt(Vec2 p, Vec2 q, Vec2 r);
std::optional<double> SignedAngleAt(Vec2 p, Vec2 q, Vec2 r, Alerts& alerts);

}  // namespace zm
