#pragma once
// The fixed Japanese description of every procedure code.

#include <string>
#include <string_view>

namespace zm {

// The description of the code (trailing blanks removed before the lookup), or the argument
// unchanged when the code has none.
std::string ProcDescription(std::string_view code);

}  // namespace zm
