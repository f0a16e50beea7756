#pragma once
// The construction report "作図データの分析": the step list and every record, as one text with
// CR LF line ends.

#include <string>

#include "figure/figure.h"

namespace zm {

std::string ReportText(const Figure& fig, const std::string& currentFile);

}  // namespace zm
