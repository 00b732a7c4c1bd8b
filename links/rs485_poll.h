// The RS485 poll: request frames to addresses 1..4 in turn, answer decoding, start and stop.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "links/link_state.h"
#include "monitor/station.h"

namespace links {

// Timer1's poll step: builds and hands over the next request while polling runs.
void PollStep(monitor::Station& st, LinkState& link);
// Timer1's closing steps: the poll state in panel 2, the interval from Edit20, Timer1 on.
void FinishPollTick(monitor::Station& st, LinkState& link);
// Timer2's first step: decodes the RS485 bytes of this tick.
void DecodeRs485Answer(monitor::Station& st, LinkState& link);
// "Пуск RS485" and "Стоп RS485".
void BitBtn20Click(monitor::Station& st, LinkState& link);
void BitBtn21Click(monitor::Station& st, LinkState& link);

// Signals 1..8 (low) or 9..16 (high) of a set's characters from one answer byte,
// bit 0 first: '1' for a set bit, '0' for a clear one.
void UnpackRs485SignalsLow(monitor::ReceivedSignals& set, std::uint8_t b);
void UnpackRs485SignalsHigh(monitor::ReceivedSignals& set, std::uint8_t b);

// Opens the ports for the poll start.
void OpenPortsOnPollStart(monitor::Station& st);

// Timer1's interval for the pause text of Edit20, in milliseconds: the whole number
// of seconds times 1000. Below 1 counts as the spinner's minimum of 1 s, above the
// timer's range as its largest whole second; a text that is no whole number gives
// nothing, and the timer keeps the interval it has.
std::optional<int> PollIntervalMs(std::string_view pause_text);

}  // namespace links
