#pragma once
// What the core asks of the window system besides drawing. Every call is synchronous and
// returns its answer, so every handler runs to completion.

#include <string_view>

#include "platform/alerts.h"

namespace zm {

class Shell : public Alerts {
 public:
  virtual void SetCaption(std::string_view text) = 0;
  // Status panels 1 ... 4.
  virtual void SetStatusPanel(int panel, std::string_view text) = 0;
  // The tick of the menu item with this control name (mnuLocusOn, mnuOAxis, ...).
  virtual void SetMenuChecked(std::string_view control, bool checked) = 0;
  // The platform's timer: seconds since midnight.
  virtual double SecondsSinceMidnight() = 0;
};

}  // namespace zm
