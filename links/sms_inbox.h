// The SMS inbox: the read-back of a SIM message, the object report in it, and
// the hand-over of an accepted report to the core.
#pragma once

#include <cstdint>
#include <string>

#include "links/link_state.h"
#include "monitor/shared_state.h"
#include "monitor/station.h"

namespace links {

// A decoded object report: "." then 16 signal characters "0"/"1", then an
// optional output digit "0".."7".
struct SmsReport {
  bool valid = false;
  std::string bits;  // the 17 characters after the dot (the 17th may be the 0 byte after the read)
  std::uint16_t word = 0;       // character k is bit 16 - k
  monitor::OutputPair outputs;  // bit 0 of the digit = P1, bit 1 = P2
};

// Decodes the report after the first "." among the n bytes of `read`; read[n] must be 0.
SmsReport ParseSmsReport(const std::uint8_t* read, std::int32_t n);

// The read-back step of Timer2, for the n bytes of a whole answer to the read
// command (read[n] is 0). The message is deleted whatever the verdict.
void ReadBackSms(monitor::Station& st, LinkState& link, const std::uint8_t* read, std::int32_t n);

}  // namespace links
