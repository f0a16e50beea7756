#pragma once
// Traces left by moving objects: each object that may change is drawn once more at its old place
// before a recomputation, in the background colour (erasing it) or, with the locus switch on, in
// its locus colour, and traced records are stored so that every full redraw draws them again.

#include "figure/app.h"

namespace zm {

// Recording of a kind stops at this many stored records (the counts are 16-bit).
inline constexpr int kMaxLocusRecords = 32767;

void TraceObject(App& app, ObjRef ref);
void DrawTraces(App& app);

}  // namespace zm
