#include "alloc_counter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<long> allocations{0};

}  // namespace

namespace zm {

long AllocationCount() { return allocations; }

void ReportAllocations(benchmark::State& state, long before) {
  state.counters["allocs_per_iteration"] =
      benchmark::Counter(static_cast<double>(AllocationCount() - before) / state.iterations());
}

}  // namespace zm

// The counting allocator pairs malloc with free; GCC cannot see that through operator new.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t size) {
  ++allocations;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
