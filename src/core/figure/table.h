#pragma once
// A 1-based table of the figure: entry 0 exists and is never a valid object.

#include <cstddef>
#include <vector>

namespace zm {

template <class T>
class Table {
 public:
  // Entries 0 ... lastIndex, all default records.
  void Reset(int lastIndex) { items_.assign(static_cast<std::size_t>(lastIndex) + 1, T{}); }

  int LastIndex() const { return static_cast<int>(items_.size()) - 1; }

  // True for an index that names a real entry (1 ... LastIndex).
  bool Holds(int i) const { return i >= 1 && i <= LastIndex(); }

  // Any index outside the table lands on entry 0, the table's unused sink: a reference read from
  // a damaged file can never reach memory outside the table.
  T& operator[](int i) { return items_[Checked(i)]; }
  const T& operator[](int i) const { return items_[Checked(i)]; }

 private:
  std::size_t Checked(int i) const {
    return (i >= 0 && static_cast<std::size_t>(i) < items_.size()) ? static_cast<std::size_t>(i) : 0;
  }

  std::vector<T> items_ = std::vector<T>(1);
};

}  // namespace zm
