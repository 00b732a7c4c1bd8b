#include "tests/e2e/desk_session.h"

#include <sys/prctl.h>
#include <sys/wait.h>

#include <cerrno>
#include <filesystem>
#include <thread>

namespace e2e {
namespace {

using namespace std::chrono_literals;

// Waits until `ready` holds, at most `limit`.
template <typename Ready>
bool WaitFor(Ready ready, std::chrono::milliseconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!ready()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(20ms);
  }
  return true;
}

}  // namespace

DeskSession::DeskSession() {
  // The accessibility helpers that the session bus starts outlive it by a moment;
  // they are handed to this process, which waits for them at the end.
  ::prctl(PR_SET_CHILD_SUBREAPER, 1);
  for (const char* tool : {"/usr/bin/Xvfb", "/usr/bin/dbus-daemon", "/usr/bin/xdotool"}) {
    if (!std::filesystem::exists(tool)) {
      problem = std::string(tool) + " is missing: run scripts/install-deps.sh";
      return;
    }
  }
  // Xvfb picks a free display itself and names it on descriptor 3.
  x_server_ = std::make_unique<Process>(
      std::vector<std::string>{"/bin/sh", "-c",
                               "exec /usr/bin/Xvfb -displayfd 3 -nolisten tcp -screen 0 "
                               "1024x768x24 3>display 2>xvfb.log"},
      folder_.path.string(), std::map<std::string, std::string>{});
  if (!WaitFor([&] { return folder_.Read("display").find('\n') != std::string::npos; }, 10s)) {
    problem = "Xvfb did not start: " + folder_.Read("xvfb.log");
    return;
  }
  display_ = ":" + folder_.Read("display").substr(0, folder_.Read("display").find('\n'));

  const std::string socket = (folder_.path / "bus").string();
  bus_ = "unix:path=" + socket;
  session_bus_ = std::make_unique<Process>(
      std::vector<std::string>{"/usr/bin/dbus-daemon", "--session", "--nofork",
                               "--address=" + bus_},
      folder_.path.string(), std::map<std::string, std::string>{{"DISPLAY", display_}});
  if (!WaitFor([&] { return std::filesystem::exists(socket); }, 10s)) {
    problem = "the session bus did not start";
  }
}

DeskSession::~DeskSession() {
  session_bus_.reset();
  x_server_.reset();
  WaitFor([] { return ::waitpid(-1, nullptr, WNOHANG) < 0 && errno == ECHILD; }, 5s);
}

std::map<std::string, std::string> DeskSession::Environment() const {
  return {{"DISPLAY", display_},
          {"DBUS_SESSION_BUS_ADDRESS", bus_},
          {"QT_QPA_PLATFORM", "xcb"},
          {"QT_ACCESSIBILITY", "1"},
          {"QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1"}};
}

bool DeskSession::Click(const std::string& program, const std::string& button,
                        const std::string& window_text, std::chrono::seconds limit) {
  Process clicker({"/usr/bin/python3", E2E_CLICK_BUTTON, program, std::to_string(limit.count()),
                   button, window_text},
                  folder_.path.string(), Environment());
  return clicker.Wait(limit + 10s) == 0;
}

}  // namespace e2e
