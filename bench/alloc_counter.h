#pragma once
// Heap allocations of the whole benchmark program, counted by its one replacement of the global
// operator new (a program may have only one), for the allocs_per_iteration figures.

#include <benchmark/benchmark.h>

namespace zm {

long AllocationCount();

// Sets allocs_per_iteration: the allocations since `before`, per iteration of the loop.
void ReportAllocations(benchmark::State& state, long before);

}  // namespace zm
