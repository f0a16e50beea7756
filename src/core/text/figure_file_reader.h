#pragma once
// Reading the text of a construction file into a figure.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "figure/figure.h"

namespace zm {

// The older layout lacks the independence-flag line of every number.
enum class FileLayout { kCurrent, kOlder };

struct ReadFailure {
  std::string reason;      // a short Japanese sentence saying what is wrong
  int line = 0;            // line of the item that failed, counted from 1
  std::size_t offset = 0;  // byte offset of that item: tells which layout read further
};

// Reads the UTF-8 text of a construction file into the emptied figure. Fails on an item of the
// wrong type, an early end of the text, or a count, reference or step number that the figure's
// tables cannot hold; the figure is then partly filled and must be emptied again.
std::optional<ReadFailure> ReadFigureText(std::string_view text, Figure& fig, FileLayout layout);

}  // namespace zm
