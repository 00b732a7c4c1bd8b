#include "common/qt/window_events.h"

#include <utility>

#include "common/qt/unrouted_control.h"

namespace shell {

WindowEvents RoutedEvents(common::Dispatcher& dispatcher, std::function<void()> after_event,
                          std::function<void()> changed,
                          std::function<bool(std::string_view control)> without_handler) {
  const auto warn_unless_on_purpose = [without_handler](const std::string& control) {
    if (!without_handler || !without_handler(control)) WarnOfUnroutedControl(control);
  };
  return WindowEvents{
      [&dispatcher, after_event, warn_unless_on_purpose](const std::string& control) {
        if (!dispatcher.Click(control)) warn_unless_on_purpose(control);
        after_event();
      },
      [&dispatcher, after_event, warn_unless_on_purpose](const std::string& spinner,
                                                         common::SpinButton button) {
        if (!dispatcher.Spin(spinner, button)) warn_unless_on_purpose(spinner);
        after_event();
      },
      std::move(changed)};
}

}  // namespace shell
