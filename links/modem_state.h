// The modem dialogue's and the SMS inbox's own state.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "links/notified_slots.h"

namespace links {

inline constexpr std::int32_t kModemExamineMax = 200;  // bytes of one read the recogniser looks at
// More than the answer to the read of any one message: its header and up to 160
// characters, or 280 hexadecimal digits of a UCS-2 text.
inline constexpr std::size_t kReadAnswerMax = 1024;

// The SIM sweep reads slots 9 down to 1, after this many Timer6 ticks in a row
// with no job and no sweep, at the modem's start-up, or on "Read ALL".
inline constexpr std::uint8_t kSweepFirstSlot = 9;
inline constexpr std::int32_t kSweepIdleTicks = 20;

// The one pending modem job, on SIM slot SmsIndex.
enum class ModemJob {
  Idle,
  ReadQueued,    // "AT+CMGR=" goes out at the next Timer1 tick the modem is in step
  Reading,       // the read command went out; its answer is awaited
  DeleteQueued,  // "AT+CMGD=" goes out at the next Timer1 tick the modem is in step
  Deleting,      // the delete command went out; its answer is awaited
};

// A read or a delete the operator asked for from the menu.
struct MenuJob {
  ModemJob job = ModemJob::Idle;  // Idle: none waits
  std::string slot;
};

// What status panel 3 shows, before the slot, as a queued job's command goes out.
constexpr std::string_view ModemJobPanelText(ModemJob job) {
  switch (job) {
    case ModemJob::ReadQueued:
      return "Read SMS ";
    case ModemJob::DeleteQueued:
      return "Delet SMS ";
    case ModemJob::Idle:
    case ModemJob::Reading:
    case ModemJob::Deleting:
      break;
  }
  return "";
}

struct ModemState {
  ModemJob ModemRequest = ModemJob::Idle;
  std::int32_t SmsScanIdleTicks = 0;  // Timer6 ticks with no job pending and no sweep running
  std::uint8_t SmsChargeHead = 0;     // the slot of SmsChargeQueue written last
  // The examined read and the 0 byte after it; the notice scan and the read-back use it.
  std::array<std::uint8_t, kModemExamineMax + 1> ModemRxCopy{};
  std::string SmsSender;          // ten digits of the last sender field examined
  bool SmsSenderInvalid = false;  // verdict on that field
  bool SmsReportValid = false;    // verdict of the last report decoding
  NotifiedSlots notified;         // slots of notices not yet read whole, in order
  // The operator's read or delete, waiting for a delete in hand to be done.
  MenuJob menu;
  std::int32_t DeleteTries = 0;  // times the delete in hand went out without being done
  // Messages already applied whose delete the modem has not confirmed, by slot:
  // the sender, time stamp and text of each. Read again, one is deleted, not
  // applied and charged a second time.
  std::map<std::string, std::string> AppliedUndeleted;
  // What the modem has sent since the read command went out, then a 0 byte.
  std::array<std::uint8_t, kReadAnswerMax + 1> ReadAnswer{};
  std::int32_t ReadAnswerCount = 0;
};

}  // namespace links
