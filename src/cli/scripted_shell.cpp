#include "cli/scripted_shell.h"

#include <chrono>

namespace zm {

void ScriptedShell::MessageBox(std::string_view text) { Write("message: " + std::string(text)); }

void ScriptedShell::Beep() { Write("beep"); }

void ScriptedShell::SetStatusPanel(int panel, std::string_view text) {
  if (panel >= 1 && panel <= 4) panels_[static_cast<std::size_t>(panel)] = text;
}

void ScriptedShell::SetMenuChecked(std::string_view control, bool checked) {
  checked_[std::string(control)] = checked;
}

bool ScriptedShell::Checked(const std::string& control) const {
  const auto it = checked_.find(control);
  return it != checked_.end() && it->second;
}

double ScriptedShell::SecondsSinceMidnight() {
  using namespace std::chrono;
  const auto now = system_clock::now();
  const auto midnight = floor<days>(now);
  return duration<double>(now - midnight).count();
}

void ScriptedShell::Write(std::string line) {
  if (out_ != nullptr) *out_ << line << '\n';
  log_.push_back(std::move(line));
}

}  // namespace zm
