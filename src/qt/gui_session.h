#pragma once
// Text is laid out by Qt's font machinery, which needs a QGuiApplication. The headless commands
// and the tests hold a GuiSession while they draw: when no application exists it makes one on
// the offscreen platform, so no display is needed; inside the window program it does nothing.

#include <QGuiApplication>
#include <memory>

namespace zm {

class GuiSession {
 public:
  GuiSession();
  ~GuiSession();
  GuiSession(const GuiSession&) = delete;
  GuiSession& operator=(const GuiSession&) = delete;

 private:
  // QGuiApplication keeps argc and argv for its whole life.
  int argc_ = 3;
  char name_[11] = "zomeda-cli";
  char platformFlag_[10] = "-platform";
  char platform_[10] = "offscreen";
  char* argv_[4] = {name_, platformFlag_, platform_, nullptr};
  std::unique_ptr<QGuiApplication> app_;
};

}  // namespace zm
