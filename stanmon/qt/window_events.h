// What the window's parts report to the window: a click on a named control, and
// a value the operator has changed (already written into the form).
#pragma once

#include <functional>
#include <string>

namespace stanmon {

struct WindowEvents {
  std::function<void(const std::string& control)> click;
  std::function<void()> changed;
};

}  // namespace stanmon
