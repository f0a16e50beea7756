// The recomputation of the 60-step benchmark figure: one pass of RecomputeAll, and the marking
// that a drag makes on its first move followed by one recomputation. Heap allocations inside the
// measured loop are counted and reported as allocs_per_iteration (it should be 0).

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "cli/null_surface.h"
#include "cli/scripted_shell.h"
#include "figure/recompute.h"
#include "window/file_commands.h"

namespace {

std::atomic<long> allocations{0};

const char* const kBenchFigure = ZM_SOURCE_DIR "/tests/fixtures/bench60.txt";

// Loads the benchmark figure as the load command does.
void LoadBenchFigure(zm::App& app, benchmark::State& state) {
  if (zm::LoadFigure(app, kBenchFigure) != zm::FileStatus::kDone)
    state.SkipWithError("cannot load the benchmark figure");
}

void ReportAllocations(benchmark::State& state, long before) {
  state.counters["allocs_per_iteration"] =
      benchmark::Counter(static_cast<double>(allocations - before) / state.iterations());
}

void BM_RecomputeAll(benchmark::State& state) {
  zm::ScriptedShell shell;
  zm::NullSurface surface;
  zm::App app(shell, surface);
  LoadBenchFigure(app, state);
  const long before = allocations;
  for (auto _ : state) {
    zm::RecomputeAll(app.fig, shell);
    benchmark::ClobberMemory();
  }
  ReportAllocations(state, before);
}
BENCHMARK(BM_RecomputeAll);

void BM_MarkDependenciesAndRecomputeAll(benchmark::State& state) {
  zm::ScriptedShell shell;
  zm::NullSurface surface;
  zm::App app(shell, surface);
  LoadBenchFigure(app, state);
  const long before = allocations;
  for (auto _ : state) {
    zm::MarkDependencies(app.fig, shell, {zm::kPoint, 1});
    zm::RecomputeAll(app.fig, shell);
    benchmark::ClobberMemory();
  }
  ReportAllocations(state, before);
}
BENCHMARK(BM_MarkDependenciesAndRecomputeAll);

}  // namespace

// The counting allocator pairs malloc with free; GCC cannot see that through operator new.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t size) {
  ++allocations;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

BENCHMARK_MAIN();
