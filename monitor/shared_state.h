// The state that the console's core and its field side hand each other beyond the
// window's controls. Everything starts as zero or empty; the first main-cycle tick
// sets the start-up values.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "monitor/modem_gate.h"
#include "monitor/numbering.h"

namespace monitor {

// One decoded signal set handed from a line's decoder to the main cycle.
struct ReceivedSignals {
  std::int32_t Channel = 0;  // 1..4 RS485, 5..16 GSM; 0 = none
  std::string Bits;          // character s = '1' when signal s is on (GSM: a 17th output digit)
  std::uint16_t Word = 0;    // the received word, used only as the channel's change stamp
  bool NewData = false;      // a set is waiting to be applied
};

// Outputs P1 and P2 of a channel, each on or off.
struct OutputPair {
  bool P1 = false;
  bool P2 = false;
};

// RS485 polling, as "Пуск RS485" and "Стоп RS485" leave it.
enum class Rs485Polling {
  NotStarted,
  Running,
  Stopped,
};

// The poll state as status panel 2 shows it.
constexpr std::string_view Rs485PollingText(Rs485Polling polling) {
  switch (polling) {
    case Rs485Polling::Running:
      return "ПУСК";
    case Rs485Polling::Stopped:
      return "СТОП";
    case Rs485Polling::NotStarted:
      break;
  }
  return "";
}

inline constexpr int kSmsChargeRing = 16;  // the slots of SmsChargeQueue that are written
// The countdown the modem dialogue sets whenever it shows modem traffic in status
// panels 3 and 4; the main cycle clears them on the ninth pass after (about 2.3 s).
inline constexpr std::int32_t kStatusClearTicks = 10;

// What the console's core and its field side hand each other. Each side keeps
// the rest of its state to itself: monitor::CoreState and links::LinkState.
struct SharedState {
  // Written by the line decoders, applied by the main cycle.
  ReceivedSignals RxRs485;  // RxRs485Channel, RxRs485Bits, RxRs485Word, NewDataRs485
  ReceivedSignals RxGsm;    // RxGsmChannel, RxGsmBits, RxGsmWord, NewDataGsm

  // Poll requests since channel c last answered; entry 0 takes an answer or a
  // report that belongs to no channel.
  PerChannel<std::uint8_t> LinkAge;

  PerChannel<OutputPair> OutputCmd;  // commanded by the output boxes
  // Reported by the device; entry 0 holds the outputs of the SMS report being
  // decoded, or of an RS485 answer that belongs to no channel.
  PerChannel<OutputPair> OutputState;
  PerChannel<OutputPair> OutputChanged;  // clicked, still to be sent by SMS

  // The alarm: raised by the main cycle, sounded and sent by the SMS timer.
  bool SirenOn = false;
  bool SmsAlarmArmed = false;
  std::string SmsAlarmText;
  std::int32_t SmsSendProgress = 0;

  // Channels owed one SMS price each: the inbox stores into slots 0..15 in turn,
  // the main cycle books every slot on every pass.
  std::array<std::uint8_t, kSmsChargeRing + 1> SmsChargeQueue{};

  Rs485Polling Rs485State = Rs485Polling::NotStarted;
  bool ModemReady = false;  // the modem has answered "OK" at least once
  std::string SmsIndex;     // SIM slot of the modem job, decimal text
  std::uint8_t SmsScanSlot = 0;
  std::int32_t StatusClearCountdown = 0;  // main-cycle passes until panels 3 and 4 are cleared

  PerChannel<std::string> ChannelPhone;  // phone of channel k; "RS485" for 1..4

  bool PortOpen = false;  // the ports have been opened (never closed again)
  std::int32_t TxWrittenCount = 0;
  ModemGate gate;  // what the modem owes and waits for: what may be written to it now

  std::string ControlSmsText;
};

}  // namespace monitor
