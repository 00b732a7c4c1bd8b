// What the parts of a window report to it: a click on a named control, a
// spinner's arrow, and a value the user has changed (already written into the
// form).
#pragma once

#include <functional>
#include <string>

#include "common/controls.h"

namespace shell {

struct WindowEvents {
  std::function<void(const std::string& control)> click;
  std::function<void(const std::string& spinner, common::SpinButton button)> spin;
  std::function<void()> changed;
};

}  // namespace shell
