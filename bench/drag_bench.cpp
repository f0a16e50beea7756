// Drawing on the window's kind of surface: 100 arrow-key steps of point A of the 60-step
// benchmark figure (what the benchmark command times: marking reuse, snapshot, erase,
// recompute, redraw) and one full redraw, each on the aliased 640 x 480 raster surface and on
// the null surface, which leaves the core's own share. per_step is the time of one step.
// Heap allocations inside the measured loop are reported as allocs_per_iteration.

#include <benchmark/benchmark.h>

#include "alloc_counter.h"
#include "cli/null_surface.h"
#include "cli/scripted_shell.h"
#include "figure/modes.h"
#include "qt/gui_session.h"
#include "qt/raster_surface.h"
#include "view/drag.h"
#include "view/render.h"
#include "view/viewport.h"
#include "window/file_commands.h"

namespace {

const char* const kBenchFigure = ZM_SOURCE_DIR "/tests/fixtures/bench60.txt";
constexpr zm::PixelSize kWindow{640, 480};
constexpr int kStepsPerIteration = 100;

// Start-up on the surface, the figure loaded and drawn once, as after "例の読み込み".
bool LoadAndRedraw(zm::App& app, benchmark::State& state) {
  zm::SetScreen(app);
  zm::PushMode(app, zm::kModeStandard);
  if (zm::LoadFigure(app, kBenchFigure) != zm::FileStatus::kDone) {
    state.SkipWithError("cannot load the benchmark figure");
    return false;
  }
  zm::Redraw(app);
  return true;
}

// Up, right, down, left, 25 times: point A ends where it started.
void HundredKeySteps(zm::App& app) {
  for (int round = 0; round < kStepsPerIteration / 4; ++round)
    for (int key : {zm::kKeyUp, zm::kKeyRight, zm::kKeyDown, zm::kKeyLeft}) zm::KeyMove(app, key);
}

void KeySteps(benchmark::State& state, zm::Surface& surface) {
  zm::ScriptedShell shell;
  zm::App app(shell, surface);
  if (!LoadAndRedraw(app, state)) return;
  app.MovingPoint = 1;
  // One unmeasured round fills the surface's glyph cache.
  HundredKeySteps(app);
  const long before = zm::AllocationCount();
  for (auto _ : state) HundredKeySteps(app);
  zm::ReportAllocations(state, before);
  state.counters["per_step"] = benchmark::Counter(
      kStepsPerIteration, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void FullRedraw(benchmark::State& state, zm::Surface& surface) {
  zm::ScriptedShell shell;
  zm::App app(shell, surface);
  if (!LoadAndRedraw(app, state)) return;
  const long before = zm::AllocationCount();
  for (auto _ : state) zm::Redraw(app);
  zm::ReportAllocations(state, before);
}

void BM_KeySteps_Raster(benchmark::State& state) {
  zm::GuiSession gui;
  zm::RasterSurface surface(kWindow);
  KeySteps(state, surface);
}
BENCHMARK(BM_KeySteps_Raster)->Unit(benchmark::kMillisecond);

void BM_KeySteps_Null(benchmark::State& state) {
  zm::NullSurface surface(kWindow);
  KeySteps(state, surface);
}
BENCHMARK(BM_KeySteps_Null)->Unit(benchmark::kMillisecond);

void BM_Redraw_Raster(benchmark::State& state) {
  zm::GuiSession gui;
  zm::RasterSurface surface(kWindow);
  FullRedraw(state, surface);
}
BENCHMARK(BM_Redraw_Raster)->Unit(benchmark::kMicrosecond);

void BM_Redraw_Null(benchmark::State& state) {
  zm::NullSurface surface(kWindow);
  FullRedraw(state, surface);
}
BENCHMARK(BM_Redraw_Null)->Unit(benchmark::kMicrosecond);

}  // namespace
