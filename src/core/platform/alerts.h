#pragma once
// The two ways the core tells the user something at once: a message box and the system beep.
// Geometry and the file code need only these, so they take this narrow part of the shell.

#include <string_view>

namespace zm {

class Alerts {
 public:
  virtual ~Alerts() = default;
  // A message box with the text and a single OK button; returns once it is closed.
  virtual void MessageBox(std::string_view text) = 0;
  virtual void Beep() = 0;
};

}  // namespace zm
