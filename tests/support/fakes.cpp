#include "tests/support/fakes.h"

#include <filesystem>

#include "common/platform_error.h"

namespace testing_support {

void FakeSound::Open(const std::string& path) {
  calls.push_back("open " + std::filesystem::path(path).filename().string());
  if (fail_open) throw common::PlatformError("Cannot open the sound device");
}

void FakeSound::Beep(int hz, int ms) {
  calls.push_back("beep " + std::to_string(hz) + " " + std::to_string(ms));
}

monitor::ConsolePorts FakePorts::Ports() {
  return PortsWithModem(modem);
}

monitor::ConsolePorts FakePorts::PortsWithModem(common::SerialLine& modem_line) {
  return monitor::ConsolePorts{dialogs, modem_line,  rs485,
                               sound,   printer,     picture,
                               clock,   folder.path, "/opt/stanmon/stanmon"};
}

}  // namespace testing_support
