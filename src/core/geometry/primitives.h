#pragma once
// Geometric building blocks shared by the step evaluators, picking and dragging.
//
// Every primitive takes records by reference and writes its outputs in place. The check flag
// rule: if any input record has check 0, every output gets check 0 and keeps its coordinates;
// a degenerate case listed for a primitive does the same; on success the geometric fields are
// written and the check becomes -1. Angles are radians inside and degrees in NumberRecs.
// The computations themselves work on plain values (geometry/value_primitives.h); the
// functions here carry records to and from them.

#include <cmath>
#include <cstdint>

#include "figure/records.h"
#include "platform/alerts.h"

namespace zm {

// pi as the decimal constant the program has always used, not the full double precision.
inline constexpr double kPi = 3.14159265358979;
inline constexpr double kTwoPi = 6.28318530717958;
inline constexpr double kHalfPi = 1.570796326794895;

// Tolerances.
inline constexpr double kShortestVector = 0.01;   // shorter vectors cannot be normalised
inline constexpr double kParallelDet = 0.01;      // |det| below this: lines do not meet
inline constexpr double kTangency = 0.0001;       // discriminants within this of 0 are 0
inline constexpr double kSamePosition = 0.001;    // |dx| + |dy| below this: same place
inline constexpr double kCosineClamp = 0.000001;  // 1 - c^2 below this: c becomes +1
inline constexpr double kRotationMatch = 0.01;    // AngleSigned: coordinates match
inline constexpr double kStraightAngle = 0.01;    // AngleSigned: degrees

struct Mat2 {
  double m11 = 0, m12 = 0, m21 = 0, m22 = 0;
};

// Vector operations, defined here so that every computation can inline them.
inline double VecLength(Vec2 v) { return std::sqrt(v.x * v.x + v.y * v.y); }

// -1 on success; 0 (v unchanged) when shorter than 0.01.
inline std::int16_t VecNormalize(Vec2& v) {
  const double length = VecLength(v);
  // Written so that a length that is not a number fails as well.
  if (!(length >= kShortestVector) || !std::isfinite(length)) return kFalse;
  const double k = 1 / length;
  v = {k * v.x, k * v.y};
  return kTrue;
}

inline double VecDot(Vec2 u, Vec2 v) { return u.x * v.x + u.y * v.y; }

inline double Det2(const Mat2& m) { return m.m11 * m.m22 - m.m21 * m.m12; }

// 0 when |det| < 0.01.
inline std::int16_t Inverse2(const Mat2& m, Mat2& inverse) {
  const double det = Det2(m);
  if (!(std::fabs(det) >= kParallelDet)) return kFalse;
  inverse = {m.m22 / det, -m.m12 / det, -m.m21 / det, m.m11 / det};
  return kTrue;
}

inline Vec2 MulMatVec(const Mat2& m, Vec2 v) {
  return {m.m11 * v.x + m.m12 * v.y, m.m21 * v.x + m.m22 * v.y};
}

double ArcCosAngle(double c);  // radians in (-pi/2, pi/2]

// A number record holding a constant, valid value (the fixed ratios of midpoints and the like).
NumberRec ConstantNumber(double value);

// Points.
void CentreAsPoint(const CircleRec& c, PointRec& out);
void DivisionPoint(const PointRec& p, const PointRec& q, const NumberRec& m, const NumberRec& n,
                   PointRec& out);
void ExtensionPoint(const PointRec& p, const PointRec& q, const NumberRec& k, PointRec& out);
void PointSymmetry(const PointRec& p, const PointRec& q, PointRec& out);
void RotatePoint(const PointRec& p, const PointRec& centre, const NumberRec& degrees, PointRec& out);
void UnitStepToward(const PointRec& p, const PointRec& q, PointRec& out);
void Incentre(const PointRec& p, const PointRec& q, const PointRec& r, PointRec& out);
void Circumcentre(const PointRec& p, const PointRec& q, const PointRec& r, PointRec& out);
void Excentre(const PointRec& p, const PointRec& q, const PointRec& r, PointRec& out);
void NinePointCentre(const PointRec& p, const PointRec& q, const PointRec& r, PointRec& out);

// Lines.
std::int16_t LineDirection(LineRec& l);
void LineThrough2Points(const PointRec& p, const PointRec& q, LineRec& out);
void PerpendicularLine(const LineRec& l, const PointRec& p, LineRec& out);
void PerpendicularBisector(const LineRec& segment, LineRec& out);
void AngleBisector(const PointRec& p, const PointRec& q, const PointRec& r, LineRec& out);
void PolarLine(const PointRec& p, const CircleRec& c, LineRec& out);

// What KeepSolutionOrder needs of the figure: the recorded positions of the current step's two
// outputs (from SnapshotPoints) and that step's SwapFlag. Built by SolutionOrderOf (below).
struct SolutionOrder {
  Vec2 recorded1;
  Vec2 recorded2;
  std::int16_t* swapFlag = nullptr;
};

// Intersections.
void CrossLL(const LineRec& l1, const LineRec& l2, PointRec& out);
void CrossLC(const LineRec& l, const CircleRec& c, PointRec& s1, PointRec& s2, SolutionOrder& order);
void CrossCC(const CircleRec& c1, const CircleRec& c2, PointRec& s1, PointRec& s2,
             SolutionOrder& order);
void KeepSolutionOrder(SolutionOrder& order, PointRec& s1, PointRec& s2);
bool SamePosition(const PointRec& p, Vec2 position);

// Measures.
void DistancePP(const PointRec& p, const PointRec& q, NumberRec& out);
void DistancePL(const PointRec& p, const LineRec& l, NumberRec& out);
void DistancePC(const PointRec& p, const CircleRec& c, NumberRec& out);
void AngleUnsigned(const PointRec& p, const PointRec& q, const PointRec& r, NumberRec& out);
// Shows "Error in Angle" when neither rotation of arm QP reproduces arm QR.
void AngleSigned(const PointRec& p, const PointRec& q, const PointRec& r, NumberRec& out,
                 Alerts& alerts);

}  // namespace zm
