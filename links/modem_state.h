// The modem dialogue's and the SMS inbox's own state.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "links/notified_slots.h"

namespace links {

inline constexpr std::int32_t kModemExamineMax = 200;  // bytes of one read the recogniser looks at
// More than the answer to the read of any one message: its header and up to 160
// characters, or 280 hexadecimal digits of a UCS-2 text.
inline constexpr std::size_t kReadAnswerMax = 1024;

struct ModemState {
  std::string ModemRequest;  // the one pending modem job: empty, "newsms", "rd" or "delsms"
  std::int32_t SmsScanIdleTicks = 0;  // Timer6 ticks with no job pending and no sweep running
  std::uint8_t SmsChargeHead = 0;     // the slot of SmsChargeQueue written last
  // The examined read and the 0 byte after it; the notice scan and the read-back use it.
  std::array<std::uint8_t, kModemExamineMax + 1> ModemRxCopy{};
  std::string SmsSender;              // ten digits of the last sender field examined
  std::uint8_t SmsSenderInvalid = 0;  // verdict on that field: 0 passed, 1 failed
  std::uint8_t SmsReportValid = 0;    // verdict of the last report decoding
  NotifiedSlots notified;             // slots of notices still to be read, in order
  // What the modem has sent since the read command went out, then a 0 byte.
  std::array<std::uint8_t, kReadAnswerMax + 1> ReadAnswer{};
  std::int32_t ReadAnswerCount = 0;
  std::int32_t ReadWaitTicks = 0;  // Timer6 ticks the read has waited for its answer
};

}  // namespace links
