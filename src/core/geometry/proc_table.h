#pragma once
// The dispatch table of an evaluator: its entries (a packed procedure code and what computes it)
// laid out when the program is compiled in a small open-addressed hash table, so that finding
// the entry of a step, which every step of every recomputation pass does, costs a
// multiplication and a comparison or two instead of a walk along the list.

#include <array>
#include <cstddef>
#include <cstdint>

namespace zm {

// Proc is an aggregate with a member `code`. Of entries with the same code the first is found.
template <class Proc, std::size_t N>
class ProcTable {
 public:
  consteval explicit ProcTable(const Proc (&procs)[N]) {
    for (const Proc& proc : procs) {
      std::size_t slot = Home(proc.code);
      while (used_[slot]) slot = Next(slot);
      slots_[slot] = proc;
      used_[slot] = true;
    }
  }

  // The entry of `code`, or nullptr for a code the table does not list.
  const Proc* Find(std::uint64_t code) const {
    for (std::size_t slot = Home(code); used_[slot]; slot = Next(slot))
      if (slots_[slot].code == code) return &slots_[slot];
    return nullptr;
  }

 private:
  // At most a quarter of the slots are used, so chains stay short and a free slot always ends
  // the search.
  static constexpr int kBits = [] {
    int bits = 1;
    while ((std::size_t{1} << bits) < 4 * N) ++bits;
    return bits;
  }();
  static constexpr std::size_t kSize = std::size_t{1} << kBits;

  // Fibonacci hashing: the top bits of the code times 2^64 / golden ratio.
  static constexpr std::size_t Home(std::uint64_t code) {
    return static_cast<std::size_t>((code * 0x9E3779B97F4A7C15ULL) >> (64 - kBits));
  }
  static constexpr std::size_t Next(std::size_t slot) { return (slot + 1) & (kSize - 1); }

  std::array<Proc, kSize> slots_{};
  std::array<bool, kSize> used_{};
};

}  // namespace zm
