#pragma once
// The shell of zomeda-cli and the tests: message boxes and beeps become readable log lines
// ("message: TEXT", "beep"), message boxes are answered OK at once, and the caption, the status
// panels and the menu ticks are kept as state to be looked at.

#include <array>
#include <map>
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
  void SetCaption(std::string_view text) override { caption_ = text; }
  void SetStatusPanel(int panel, std::string_view text) override;
  void SetMenuChecked(std::string_view control, bool checked) override;
  double SecondsSinceMidnight() override;

  const std::vector<std::string>& Log() const { return log_; }
  void ClearLog() { log_.clear(); }
  const std::string& Caption() const { return caption_; }
  const std::string& Panel(int panel) const { return panels_.at(static_cast<std::size_t>(panel)); }
  // Whether the item is ticked; an item never set is not.
  bool Checked(const std::string& control) const;

 private:
  void Write(std::string line);

  std::ostream* out_;
  std::vector<std::string> log_;
  std::string caption_;
  std::array<std::string, 5> panels_;  // 1 ... 4
  std::map<std::string, bool, std::less<>> checked_;
};

}  // namespace zm
