// The controls the console's window reports by name that have no handler in the
// core on purpose; every other name the window reports must reach a handler.
#pragma once

#include <string_view>

namespace stanmon {

// The operator's choice and the received-SMS list only change a value the form
// already holds; the edit buttons and entries act in the window itself; the
// port entries do nothing.
bool HasNoHandlerOnPurpose(std::string_view control);

}  // namespace stanmon
