// SMS sending's own state.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "monitor/modem_gate.h"

namespace links {

// The operator's SMS: the number typed in its first input box and, once the
// second box was confirmed, the text (with the blank the Ctrl-Z replaces).
struct ManualSms {
  std::string number;
  std::optional<std::string> text;
};

// An SMS whose text went out, waiting for the modem's answer to it.
struct AwaitedSms {
  monitor::SmsOwner owner;
  std::string phone;
  std::int32_t ticks = 0;     // Timer6 ticks it has waited
  bool before_probe = false;  // its text went before the probe on its way
};

struct SmsSendState {
  // The channel examined for a pending control SMS: 5..16, or 0 right after a
  // control text was sent.
  std::uint8_t GsmChannelCursor = 0;
  // The alarm text went out to a support phone during the running schedule, and
  // how many of SmsAlarmText's characters have gone out since it was last emptied.
  bool AlarmTextSent = false;
  std::size_t AlarmTextSentSize = 0;
  // The phone of the control SMS whose text waits in ControlSmsText.
  std::string ControlSmsPhone;
  // The operator's SMS whose command went out and whose text waits for its prompt.
  std::optional<ManualSms> ManualInFlight;
  // SMS whose text went out, oldest first, until the modem answers them.
  std::vector<AwaitedSms> Awaited;
};

}  // namespace links
