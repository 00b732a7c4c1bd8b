// Fake ports for driving the console's core in tests: the common fakes, the
// siren, the report printer, and all of them together as the console's ports.
#pragma once

#include <string>
#include <vector>

#include "monitor/ports.h"
#include "tests/support/common_fakes.h"

namespace testing_support {

struct FakeSound : monitor::Sound {
  std::vector<std::string> calls;
  bool fail_open = false;
  bool play_fails = false;  // the player cannot play what it has
  void Open(const std::string& path) override;
  bool Play() override {
    calls.push_back("play");
    return !play_fails;
  }
  void Pause() override { calls.push_back("pause"); }
  void Stop() override { calls.push_back("stop"); }
  void Beep(int hz, int ms) override;
};

struct FakePrinter : monitor::ReportPrinter {
  std::vector<std::vector<std::string>> previews;
  void Preview(const std::vector<std::string>& lines) override { previews.push_back(lines); }
};

// All fakes together, with the ports struct that points at them.
struct FakePorts {
  TempFolder folder;
  ScriptedDialogs dialogs;
  FakeSerialLine modem;
  FakeSerialLine rs485;
  FakeSound sound;
  FakePrinter printer;
  FakePicture picture;
  FakeClock clock;

  monitor::ConsolePorts Ports();
  // The same with another modem line.
  monitor::ConsolePorts PortsWithModem(common::SerialLine& modem_line);
};

}  // namespace testing_support
