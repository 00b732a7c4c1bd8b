#include "common/dispatcher.h"

#include <exception>
#include <utility>

#include "common/platform_error.h"

namespace common {

Dispatcher::Dispatcher(Dialogs& dialogs, std::string program_name, Handler before_each,
                       Handler after_each)
    : dialogs_(dialogs),
      program_name_(std::move(program_name)),
      before_each_(std::move(before_each)),
      after_each_(std::move(after_each)) {}

bool Dispatcher::Click(const std::string& control) {
  const auto found = clicks_.find(control);
  if (found == clicks_.end()) return false;
  Run(found->second);
  return true;
}

bool Dispatcher::HasClickHandler(const std::string& control) const {
  return clicks_.count(control) != 0;
}

bool Dispatcher::Spin(const std::string& spinner, SpinButton button) {
  const auto found = spins_.find(spinner);
  if (found == spins_.end()) return false;
  Run([&handler = found->second, button] { handler(button); });
  return true;
}

void Dispatcher::AddClick(const std::string& control, Handler handler) {
  clicks_[control] = std::move(handler);
}

void Dispatcher::AddSpin(const std::string& spinner, SpinHandler handler) {
  spins_[spinner] = std::move(handler);
}

void Dispatcher::AddTimer(Timer& timer, Handler handler) {
  timers_.Add(timer, [this, handler = std::move(handler)] {
    if (const auto error = Caught(handler)) ShowErrorBox(*error);
  });
}

std::optional<std::string> Dispatcher::Caught(const Handler& handler) {
  try {
    handler();
  } catch (const std::exception& e) {
    return e.what();
  }
  return std::nullopt;
}

void Dispatcher::ShowErrorBox(const std::string& text) {
  dialogs_.Inform(ErrorBoxText(text), ErrorBoxCaption(program_name_), BoxIcon::Error);
}

void Dispatcher::Run(const Handler& handler) {
  if (before_each_) before_each_();
  if (const auto error = Caught(handler)) ShowErrorBox(*error);
  if (after_each_) after_each_();
}

}  // namespace common
