#include <gtest/gtest.h>

#include <cstdint>

#include "figure/fixed_text.h"
#include "geometry/proc_table.h"

namespace zm {
namespace {

struct Entry {
  std::uint64_t code = 0;
  int value = 0;
};

// Enough entries with scattered codes that many of them share a home slot and are found only
// by probing on (codes in a regular progression would all land apart).
constexpr int kCount = 300;

struct Entries {
  Entry list[kCount];
};

// The steps of splitmix64: scattered 40-bit codes, as long as five packed characters.
constexpr std::uint64_t Scattered(std::uint64_t i) {
  std::uint64_t z = (i + 1) * 0x9E3779B97F4A7C15ULL;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return (z ^ (z >> 31)) >> 24;
}

// Entries 0 ... kCount - 1 carry codes Scattered(0 ... kCount - 1); the codes that follow are
// listed nowhere.
constexpr Entries ManyEntries() {
  Entries e;
  for (int i = 0; i < kCount; ++i) e.list[i] = {Scattered(static_cast<std::uint64_t>(i)), i};
  return e;
}

constexpr Entries kMany = ManyEntries();
constexpr ProcTable kManyTable(kMany.list);

TEST(ProcTable, FindsEveryListedCodeAndNoOther) {
  for (int i = 0; i < kCount; ++i) {
    SCOPED_TRACE(i);
    const Entry* found = kManyTable.Find(Scattered(static_cast<std::uint64_t>(i)));
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->value, i);
    EXPECT_EQ(kManyTable.Find(Scattered(static_cast<std::uint64_t>(kCount + i))), nullptr);
  }
  EXPECT_EQ(kManyTable.Find(PackCode("")), nullptr) << "an empty code is no entry";
  EXPECT_EQ(kManyTable.Find(kUnpackableCode), nullptr);
}

TEST(ProcTable, OfTwoEntriesWithOneCodeFindsTheFirstAsAWalkAlongTheListWould) {
  constexpr Entry kTwice[] = {{PackCode("PC1"), 1}, {PackCode("L1"), 2}, {PackCode("PC1"), 3}};
  constexpr ProcTable table(kTwice);
  ASSERT_NE(table.Find(PackCode("PC1")), nullptr);
  EXPECT_EQ(table.Find(PackCode("PC1"))->value, 1);
  EXPECT_EQ(table.Find(PackCode("L1"))->value, 2);
}

}  // namespace
}  // namespace zm
