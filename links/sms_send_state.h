// SMS sending's own state.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace links {

// The operator's SMS: the number typed in its first input box and, once the
// second box was confirmed, the text (with the blank the Ctrl-Z replaces).
struct ManualSms {
  std::string number;
  std::optional<std::string> text;
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
};

}  // namespace links
