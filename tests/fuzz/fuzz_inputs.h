// The console's decoders of bytes from the field, each fed one arbitrary input
// through the receive tick, as the lines deliver bytes: the RS485 answer, the
// modem's answers, the SMS report. Every input meets the console as its start-up
// leaves it, so an input that fails does so on its own.
#pragma once

#include <cstddef>
#include <cstdint>

namespace fuzz {

// The first byte picks the address of the last request (0..4); the rest is one read.
void FeedRs485Answer(const std::uint8_t* data, std::size_t size);
// The first byte picks the pending modem job (its value mod 4: "", "newsms", "rd",
// "delsms") and who holds the modem's SMS text prompt (its value div 4, mod 3:
// nobody, a scheduled SMS, the operator's SMS); the rest are the reads of
// successive ticks, separated by the byte 0xFF.
void FeedModemAnswer(const std::uint8_t* data, std::size_t size);
// The whole input is the modem's read-back of a new message (channel 7 has a
// phone), on the message's whole way: the modem's notice, the read-back the
// dispatch asks for, the main-cycle pass that applies and charges the report,
// the deletion.
void FeedSmsReport(const std::uint8_t* data, std::size_t size);

}  // namespace fuzz
