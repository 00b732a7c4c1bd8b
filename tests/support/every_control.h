// Works every control of a window as a user could, and collects the names the
// window reported that reached no handler.
#pragma once

#include <set>
#include <string>

class QWidget;

namespace testing_support {

// Clicks every button, triggers every menu entry and action, picks the first
// entry of every combo box and presses Enter in every line edit of the window;
// returns the control names the window warned of as having no handler.
std::set<std::string> WorkEveryControlForUnroutedNames(QWidget& window);

}  // namespace testing_support
