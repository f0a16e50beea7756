#pragma once
// The text of a construction file written from a figure.

#include <string>

#include "figure/figure.h"

namespace zm {

// The whole file as UTF-8 with CR LF line ends, in the current layout.
std::string FigureText(const Figure& fig);

}  // namespace zm
