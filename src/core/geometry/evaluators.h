#pragma once
// The step evaluators: each computes the outputs of one step whose code begins with its letter
// and writes only the output records named by the step's output slots.

#include "figure/figure.h"
#include "platform/alerts.h"

namespace zm {

void EvalPointStep(Figure& fig, Alerts& alerts, int step);   // codes "P..."
void EvalLineStep(Figure& fig, Alerts& alerts, int step);    // codes "L..."
void EvalCircleStep(Figure& fig, Alerts& alerts, int step);  // codes "C..."
void EvalNumberStep(Figure& fig, Alerts& alerts, int step);  // codes "N..."

}  // namespace zm
