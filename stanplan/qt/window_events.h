// What the window's parts report to the window: a click on a named control, a
// spinner's arrow, and a value the user has changed (already written into the form).
#pragma once

#include <functional>
#include <string>

#include "designer/spinners.h"

namespace stanplan {

struct WindowEvents {
  std::function<void(const std::string& control)> click;
  std::function<void(const std::string& spinner, designer::SpinButton button)> spin;
  std::function<void()> changed;
};

}  // namespace stanplan
