// A control name a window reported that its core neither handles nor lists as
// having no handler: a misspelt name must not go quiet.
#pragma once

#include <string>
#include <string_view>

namespace shell {

inline constexpr std::string_view kUnroutedControlWarning = "No handler for control ";

// Warns on the program's error output: the warning text, then the name.
void WarnOfUnroutedControl(const std::string& control);

}  // namespace shell
