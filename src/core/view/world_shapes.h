#pragma once
// The figure's shapes in world coordinates put onto the surface in pixels: mapped through the
// viewport, cut to the window (with a margin of a few pen widths so that thick strokes meet the
// edge whole) and left out when they cannot show. Nothing here allocates: these run for every
// object on every drag step.

#include "figure/app.h"
#include "platform/surface.h"

namespace zm {

void DrawWorldLine(App& app, Vec2 from, Vec2 to, Rgb colour, Pen pen);
// Huge circles (a radius beyond kMaxSurfaceRadius pixels) are drawn as chords of their visible arc.
void DrawWorldCircle(App& app, Vec2 centre, double radius, Rgb colour, Pen pen);
void DrawWorldBox(App& app, Vec2 corner1, Vec2 corner2, Rgb colour, Pen pen, bool filled);
void DrawWorldPixel(App& app, Vec2 at, Rgb colour);

// Radii (pixels) up to which a surface is handed a true circle.
inline constexpr double kMaxSurfaceRadius = 32768;

}  // namespace zm
