// The far ends of the console's two lines, as a benchmark needs them: a GSM
// modem that answers every command, and four RS485 devices that answer every
// poll. In traffic mode the devices change a signal at every answer and the
// modem announces an object's report every few seconds.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

#include "tests/e2e/pty.h"

namespace bench {

using Clock = std::chrono::steady_clock;

class SimulatedModem {
 public:
  SimulatedModem(e2e::Pty& line, bool reports) : line_(line), reports_(reports) {}

  // Answers every complete command that has arrived.
  void Take(const std::string& bytes);
  // Announces the next report when one is due.
  void Tick(Clock::time_point now);

  int commands() const { return commands_; }
  int reports_read() const { return reports_read_; }

 private:
  void Answer(const std::string& command);

  e2e::Pty& line_;
  bool reports_;
  std::string pending_;
  int commands_ = 0;
  int reports_read_ = 0;
  bool signal_on_ = false;
  Clock::time_point next_notice_ = Clock::now();
};

class SimulatedDevices {
 public:
  SimulatedDevices(e2e::Pty& line, bool changing) : line_(line), changing_(changing) {}

  // Answers every poll request that has arrived.
  void Take(const std::string& bytes);

  int requests() const { return requests_; }

 private:
  e2e::Pty& line_;
  bool changing_;
  std::string pending_;
  int requests_ = 0;
  std::uint8_t signals_[5] = {};  // low signal byte of addresses 1..4
};

// The channel whose phone sends the reports, and the telefon.txt that names it.
inline constexpr int kReportChannel = 7;
std::string ReportPhones();

}  // namespace bench
