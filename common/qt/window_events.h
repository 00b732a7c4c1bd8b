// What the parts of a window report to it: a click on a named control, a
// spinner's arrow, and a value the user has changed (already written into the
// form). A window routes them to its program's dispatcher.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "common/controls.h"
#include "common/dispatcher.h"

namespace shell {

struct WindowEvents {
  std::function<void(const std::string& control)> click;
  std::function<void(const std::string& spinner, common::SpinButton button)> spin;
  std::function<void()> changed;
};

// Clicks and spinner arrows go to the dispatcher's handlers, and after_event
// runs after each; a name that reaches no handler is warned of, unless the
// window has none for it on purpose. An edit runs changed.
WindowEvents RoutedEvents(common::Dispatcher& dispatcher, std::function<void()> after_event,
                          std::function<void()> changed,
                          std::function<bool(std::string_view control)> without_handler = {});

}  // namespace shell
