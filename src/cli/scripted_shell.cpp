#include "cli/scripted_shell.h"

namespace zm {

void ScriptedShell::MessageBox(std::string_view text) { Write("message: " + std::string(text)); }

void ScriptedShell::Beep() { Write("beep"); }

void ScriptedShell::Write(std::string line) {
  if (out_ != nullptr) *out_ << line << '\n';
  log_.push_back(std::move(line));
}

}  // namespace zm
