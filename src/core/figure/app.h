#pragma once
// One run's state: the figure, the settings that live for the whole run, the mode stack, the
// drag state and the two platform interfaces. Created once by the shell's main and passed down.

#include <array>
#include <cstdint>
#include <string>

#include "figure/figure.h"
#include "platform/shell.h"
#include "platform/surface.h"

namespace zm {

inline constexpr double kDefaultDp = 0.05;
inline constexpr int kModeStackEntries = 101;

struct App {
  App(Shell& sh, Surface& surf) : shell(sh), surface(surf) { NewFigure(fig, kStandardCapacity); }

  Figure fig;
  std::string CurrentFile = "untitled";  // path of the current figure file

  // Viewport (world units; the origin is at the centre of the client area).
  double dp = kDefaultDp;  // world units per pixel
  double MaxOfX = 0;       // half the visible width
  double MaxOfY = 0;       // half the visible height

  // Display settings.
  std::int16_t AxisSW = kFalse;      // grid and axes shown
  std::int16_t NotChrDisp = kFalse;  // point labels left out in the standard and drag modes
  std::int16_t LocusSW = kFalse;     // moves leave traces
  int penWidth = 1;                  // pixels, 1 ... 10
  int fontSize = 9;                  // points, 6 ... 100
  std::int16_t ValueDigits = 0;      // decimal places in the value list, 0 ... 20

  // Interaction modes: entry 0 is 2 (standard) and is never popped.
  std::array<std::int16_t, kModeStackEntries> ModeStack{2};
  std::int16_t ModeTop = 0;

  // Dragging.
  std::int16_t MovingPoint = 0;     // index into Points; 0 = none
  std::int16_t FirstMove = kFalse;  // the next step is the first of this deformation
  std::int16_t KeyStep = 0;         // arrow-key step in pixels; the first step makes it 10

  Shell& shell;
  Surface& surface;
};

}  // namespace zm
