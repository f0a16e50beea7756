#pragma once
// The object records of a figure and the reference that names one of them.

#include <cstdint>

#include "figure/fixed_text.h"

namespace zm {

// The program's 16-bit booleans: 0 false, -1 true.
inline constexpr std::int16_t kTrue = -1;
inline constexpr std::int16_t kFalse = 0;
constexpr std::int16_t Bool16(bool b) { return b ? kTrue : kFalse; }

// ObjKind: which table an ObjRef names.
inline constexpr std::int16_t kNumber = 0;
inline constexpr std::int16_t kPoint = 1;
inline constexpr std::int16_t kLine = 2;
inline constexpr std::int16_t kCircle = 3;

// Requirement codes that an input slot holds while a construction is being entered.
inline constexpr std::int16_t kNeedsNumber = 100;
inline constexpr std::int16_t kInputsEnd = 200;

// Check states of every record.
inline constexpr std::int16_t kInvalid = 0;    // the object does not exist at present
inline constexpr std::int16_t kValid = -1;     // computed and valid
inline constexpr std::int16_t kUnaffected = 2; // marking: does not depend on the moving object

struct ObjRef {
  std::int16_t kind = 0;
  std::int16_t index = 0;
  bool IsNull() const { return kind == 0 && index == 0; }
  friend bool operator==(const ObjRef&, const ObjRef&) = default;
};

struct Vec2 {
  double x = 0;
  double y = 0;
};

inline constexpr int kShortNameWidth = 10;
inline constexpr int kNumberNameWidth = 40;
inline constexpr int kFormulaWidth = 70;

struct NumberRec {
  double value = 0;
  std::int16_t check = 0;
  FixedText<kNumberNameWidth> name;
  std::int16_t independenceFlag = 0;  // -1 typed in or a parameter (not listed); 0 measured or computed
  FixedText<kFormulaWidth> formula;   // operands and operators of a CALC number; blank otherwise
};

struct PointRec {
  double x = 0;
  double y = 0;
  std::int16_t colour = 0;            // colour code, 7 (black) for a new point
  std::int16_t locusColour = 0;       // colour of the point's trace; 0 = no trace
  std::int16_t check = 0;
  std::int16_t kind = 0;              // mark kind: 0 placed free point, 1 constructed, 2 being placed
  std::int16_t independenceFlag = 0;  // -1 free point placed by the user; 0 constructed
  std::int16_t bindingKind = 0;       // 0 free, 1 on a point, 2 on a line, 3 on a circle
  std::int16_t bindingIndex = 0;      // index of the host object of a bound point
  double parameter = 0;               // position of a bound point along its host
  FixedText<kShortNameWidth> name;
};

struct LineRec {
  Vec2 end1;                     // reference point: start of a half-line, first end of a segment
  Vec2 end2;                     // a second point of the line
  std::int16_t check = 0;
  std::int16_t kind = 0;         // 0 line, 1 segment, 2 half-line (3 half-line from end2, drawing only)
  Vec2 direction;                // unit direction from end1 towards end2 when valid
  std::int16_t colour = 0;       // colour code, 7 for a new line
  std::int16_t locusColour = 0;  // trace colour; 0 = no trace
  FixedText<kShortNameWidth> name;
};

struct CircleRec {
  Vec2 centre;
  double radius = 0;
  std::int16_t check = 0;
  std::int16_t colour = 0;       // colour code, 7 for a new circle
  std::int16_t locusColour = 0;  // trace colour; 0 = no trace
  FixedText<kShortNameWidth> name;
};

}  // namespace zm
