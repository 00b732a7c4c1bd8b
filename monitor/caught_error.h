// Errors the core catches itself, so that the handler in which they arose goes
// on: a file the desk can do without for a while.
#pragma once

#include <string>

#include "monitor/station.h"

namespace monitor {

// Shows the error in status panel 5 and asks for its box, which the dispatcher
// shows once the running handler has finished, with the handler's timer on again.
void ShowCaughtError(Station& st, const std::string& text);

// The failure has ended: status panel 5 is cleared when it still shows its text.
void ClearCaughtError(Station& st, const std::string& text);

}  // namespace monitor
