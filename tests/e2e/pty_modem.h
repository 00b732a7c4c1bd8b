// The simulated modem on the far end of a pseudo-terminal, in real time.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

#include "tests/e2e/pty.h"
#include "tests/support/sim_modem.h"

namespace e2e {

class PtyModem {
 public:
  explicit PtyModem(Pty& pty) : pty_(pty), start_(std::chrono::steady_clock::now()) {}

  testing_support::SimModem modem;

  // Milliseconds since the modem was made.
  std::int64_t Now() const;
  // Carries bytes both ways until done() or the time is up; true when done.
  bool ServeUntil(const std::function<bool()>& done, std::chrono::milliseconds limit);

 private:
  Pty& pty_;
  std::chrono::steady_clock::time_point start_;
};

}  // namespace e2e
