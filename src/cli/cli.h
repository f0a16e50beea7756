#pragma once
// zomeda-cli: the headless command. Runs the same core as the window with a scripted shell.

#include <ostream>
#include <string>
#include <vector>

namespace zm {

inline constexpr int kExitDone = 0;
inline constexpr int kExitUnusable = 1;  // missing or unreadable file, or one the loader refuses
inline constexpr int kExitUsage = 2;

// args: the words after the program name.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace zm
