#pragma once
// Deformation: one free (or bound) point moved by the mouse or the arrow keys, the whole figure
// recomputed and redrawn without clearing the window after every step, and the benchmark.

#include "figure/app.h"

namespace zm {

inline constexpr int kKeyLeft = 37;
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyRight = 39;
inline constexpr int kKeyDown = 40;

void DragTo(App& app, double x, double y);
void KeyMove(App& app, int key);
void UpdateAfterMove(App& app);
void DrawMovingMarks(App& app);

// 100 arrow-key steps of point 1; prints the seconds taken at (10, 8) and returns them.
double Benchmark(App& app);

}  // namespace zm
