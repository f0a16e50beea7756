#pragma once
// What the core asks of the window system besides drawing. Every call is synchronous and
// returns its answer, so every handler runs to completion.

#include "platform/alerts.h"

namespace zm {

class Shell : public Alerts {};

}  // namespace zm
