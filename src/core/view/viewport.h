#pragma once
// The mapping between world coordinates (origin at the centre of the client area, y up, dp world
// units per pixel) and the surface's pixels; the zoom commands; the unit grid and the axes.

#include "figure/app.h"
#include "platform/surface.h"

namespace zm {

// MaxOfX := (w - 1) dp / 2 and MaxOfY := (h - 1) dp / 2 from the client area.
void SetScreen(App& app);

PixelPoint ToPixel(const App& app, Vec2 world);
Vec2 ToWorld(const App& app, PixelPoint pixel);
// A world length measured along x, in pixels (circle radii).
double ToPixelLength(const App& app, double worldLength);

// True while the client area shows nothing (minimised, or a scale that left no finite view):
// there is then nothing to draw, and the mapping sends everything to the top-left corner.
bool ViewIsEmpty(const App& app);

// mnuZoomIn, mnuZoomOut, mnuZoomDefault: change dp, SetScreen, Redraw. Zooming in below
// dp 0.0001 shows "そろそろ限界ですので,元の画面に戻します" and returns to 0.05.
void ZoomIn(App& app);
void ZoomOut(App& app);
void ZoomDefault(App& app);

// Grid and axes in grey 170 (AxisSW true) or 190 (false), dotted grid, solid axes.
void axis(App& app);

}  // namespace zm
