// SMS sending's own state.
#pragma once

#include <cstddef>
#include <cstdint>

namespace links {

struct SmsSendState {
  // The channel examined for a pending control SMS: 5..16, or 0 right after a
  // control text was sent.
  std::uint8_t GsmChannelCursor = 0;
  // The alarm text went out to a support phone during the running schedule, and
  // how many of SmsAlarmText's characters have gone out since it was last emptied.
  bool AlarmTextSent = false;
  std::size_t AlarmTextSentSize = 0;
  // The command line of the support phone being served did not go out: the line
  // dropped it, or another SMS waited for its text.
  bool AlarmCommandLost = false;
};

}  // namespace links
