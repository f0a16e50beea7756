#pragma once
// The shell of zomeda-cli and the tests: every call becomes one readable line in a log
// ("message: TEXT", "beep"), and message boxes are answered OK at once.

#include <ostream>
#include <string>
#include <vector>

#include "platform/shell.h"

namespace zm {

class ScriptedShell : public Shell {
 public:
  // Lines go to `out` when given; they are always kept in Log() as well.
  explicit ScriptedShell(std::ostream* out = nullptr) : out_(out) {}

  void MessageBox(std::string_view text) override;
  void Beep() override;

  const std::vector<std::string>& Log() const { return log_; }
  void ClearLog() { log_.clear(); }

 private:
  void Write(std::string line);

  std::ostream* out_;
  std::vector<std::string> log_;
};

}  // namespace zm
