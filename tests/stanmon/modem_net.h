// A net for timing faults of the modem dialogue: the whole console over a
// virtual day of field traffic, on a simulated modem that misbehaves at random
// (the table in tests/support/sim_modem.h), and the invariants that must hold at
// the end. A seed decides everything, so a failing seed runs the same again.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace testing_support {

struct NetOutcome {
  std::vector<std::string> faults;  // every invariant that failed, one line each
  std::deque<std::string> log;      // the last lines of the modem dialogue
  // What the run held.
  int reports = 0;      // landed on the SIM
  int unannounced = 0;  // whose notice the line lost, on a slot the sweep never reads
  int sms = 0;          // the SMS the console started
  int sms_not_sent = 0;
  int commands = 0;  // command lines the modem got
};

// Runs the console for `hours` of virtual time, the last 40 minutes without new
// traffic, and checks what must hold.
NetOutcome RunFieldDay(std::uint64_t seed, std::int64_t hours);

// The seed, the faults and the dialogue, for a failing run to print.
std::string Describe(std::uint64_t seed, const NetOutcome& outcome);

}  // namespace testing_support
