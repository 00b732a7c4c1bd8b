// The field side's own state: the receive buffers of the last Timer2 tick and
// what each of the three line dialogues keeps between ticks.
#pragma once

#include <array>
#include <cstdint>

#include "links/held_commands.h"
#include "links/modem_state.h"
#include "links/rs485_poll_state.h"
#include "links/sms_send_state.h"

namespace links {

inline constexpr std::size_t kRs485RxMax = 31;
inline constexpr std::size_t kModemRxMax = 300;

struct LinkState {
  std::array<std::uint8_t, kRs485RxMax> Rs485RxBuffer{};
  std::int32_t Rs485RxCount = 0;
  std::array<std::uint8_t, kModemRxMax + 1> ModemRxBuffer{};  // data, then a 0 byte
  std::int32_t ModemRxCount = 0;
  // Modem bytes taken from the line but beyond what one tick examines: the next
  // tick's read begins with them.
  std::array<std::uint8_t, kModemRxMax> ModemRxWaiting{};
  std::int32_t ModemRxWaitingCount = 0;

  // The modem half of this receive tick wrote to the modem, or met a line opened
  // anew, though it read nothing.
  bool ModemTickActed = false;

  PollState poll;
  ModemState modem;
  SmsSendState sms;
  HeldCommands held;
};

}  // namespace links
