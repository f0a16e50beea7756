#pragma once
// The interaction-mode stack and the status refresh that shows the mode, the file name and the
// locus switch in the caption, the status panels and the menu ticks.

#include <cstdint>
#include <string_view>

#include "figure/app.h"

namespace zm {

// Mode numbers that activities push.
inline constexpr std::int16_t kModeStandard = 2;
inline constexpr std::int16_t kModeDeform = 6;
inline constexpr std::int16_t kModeSelect = 13;
inline constexpr std::int16_t kModeSelectConstruct = 15;
inline constexpr std::int16_t kModeComputing = 16;
inline constexpr std::int16_t kModeConstruct = 17;

// PushMode(-1) pops. A push beyond the stack's 100 entries is refused with a beep.
void PushMode(App& app, std::int16_t mode);
void PopMode(App& app);
std::int16_t CurrentMode(const App& app);

// The name shown in status panel 1; "________" with a beep for a number without a name.
std::string_view ModeName(Alerts& alerts, std::int16_t mode);

// Caption, status panels 1 to 3 and the ticks of mnuLocusOn, mnuLocusOff, mnuOchrDisp, mnuOAxis.
// Runs on every push and pop, so twice in every drag step: it builds its texts without the heap.
void RefreshStatus(App& app);

// The part of a path after its last ":", "\" or "/", and the part up to it.
std::string_view FileNamePart(std::string_view path);
std::string_view DirectoryPart(std::string_view path);

}  // namespace zm
