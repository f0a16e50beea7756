// The recomputation of the 60-step benchmark figure: one pass of RecomputeAll, and the marking
// that a drag makes on its first move followed by one recomputation. Heap allocations inside the
// measured loop are counted and reported as allocs_per_iteration (it should be 0).

#include <benchmark/benchmark.h>

#include "alloc_counter.h"
#include "cli/null_surface.h"
#include "cli/scripted_shell.h"
#include "figure/recompute.h"
#include "window/file_commands.h"

namespace {

const char* const kBenchFigure = ZM_SOURCE_DIR "/tests/fixtures/bench60.txt";

// Loads the benchmark figure as the load command does.
void LoadBenchFigure(zm::App& app, benchmark::State& state) {
  if (zm::LoadFigure(app, kBenchFigure) != zm::FileStatus::kDone)
    state.SkipWithError("cannot load the benchmark figure");
}

void BM_RecomputeAll(benchmark::State& state) {
  zm::ScriptedShell shell;
  zm::NullSurface surface;
  zm::App app(shell, surface);
  LoadBenchFigure(app, state);
  const long before = zm::AllocationCount();
  for (auto _ : state) {
    zm::RecomputeAll(app.fig, shell);
    benchmark::ClobberMemory();
  }
  zm::ReportAllocations(state, before);
}
BENCHMARK(BM_RecomputeAll);

void BM_MarkDependenciesAndRecomputeAll(benchmark::State& state) {
  zm::ScriptedShell shell;
  zm::NullSurface surface;
  zm::App app(shell, surface);
  LoadBenchFigure(app, state);
  const long before = zm::AllocationCount();
  for (auto _ : state) {
    zm::MarkDependencies(app.fig, shell, {zm::kPoint, 1});
    zm::RecomputeAll(app.fig, shell);
    benchmark::ClobberMemory();
  }
  zm::ReportAllocations(state, before);
}
BENCHMARK(BM_MarkDependenciesAndRecomputeAll);

}  // namespace

BENCHMARK_MAIN();
