#pragma once
// The construction step list evaluated again: the dependency marking that decides which steps a
// move can affect and how many passes are needed, and the loop that evaluates the steps.

#include <cstdint>

#include "figure/figure.h"
#include "platform/alerts.h"

namespace zm {

// Evaluates step n: the CALC expression first, then the evaluator of the code's first letter.
void EvalStep(Figure& fig, Alerts& alerts, int n);

// -1 for a step without inputs, 0 when an input does not exist, else min(2, input checks).
std::int16_t StepLevel(const Figure& fig, int n);

// Stores v as the check state of every output of step n.
void SetOutputChecks(Figure& fig, int n, std::int16_t v);

// Computes levels, check states and PassCount relative to the moving object (null: nothing moves).
void MarkDependencies(Figure& fig, Alerts& alerts, ObjRef moving);

// Evaluates all steps that the last marking left in, PassCount times.
void RecomputeAll(Figure& fig, Alerts& alerts);

// The recomputation of a full redraw: every number and point whose check state is not 0 is set
// valid, the steps are marked with nothing moving and all of them are evaluated.
void RecomputeFromScratch(Figure& fig, Alerts& alerts);

}  // namespace zm
