#pragma once
// Drawing the figure straight onto the surface: the full redraw, one object with a colour code,
// the marks of points, lines, circles and point labels. An object is erased by drawing it again
// in colour code 0, the background.

#include <cstdint>

#include "figure/app.h"
#include "platform/surface.h"

namespace zm {

// Codes of DrawObject: 0 own colour; 10 locus colour (a trace); 20 background (erase);
// 1 ... 7 give an object of colour code 0 that colour instead.
inline constexpr std::int16_t kDrawOwn = 0;
inline constexpr std::int16_t kDrawLocus = 10;
inline constexpr std::int16_t kDrawErase = 20;

// Clear, grid and axes if on, recompute, snapshot, figure, value list, traces, status refresh.
void Redraw(App& app);
void DrawFigure(App& app);
void DrawObject(App& app, ObjRef ref, std::int16_t code);
void DrawPoint(App& app, const PointRec& p);
void DrawLine(App& app, const LineRec& l);
void DrawCircle(App& app, const CircleRec& c);
void DrawLabel(App& app, ObjRef ref, std::int16_t code, bool fromSnapshot);

// The screen colour of a colour code; a code outside 0 ... 15 shows it in a message box and
// gives the background colour.
Rgb ColorOf(Alerts& alerts, std::int16_t code);

}  // namespace zm
