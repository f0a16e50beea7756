#pragma once
// One run's state: the figure, the current file and the shell, created in main and passed down.

#include <string>

#include "figure/figure.h"
#include "platform/shell.h"

namespace zm {

struct App {
  explicit App(Shell& s) : shell(s) { NewFigure(fig, kStandardCapacity); }

  Figure fig;
  std::string CurrentFile = "untitled";  // path of the current figure file
  Shell& shell;
};

}  // namespace zm
