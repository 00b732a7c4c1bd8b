// The three decoders of bytes from the field, each fed one arbitrary input: the
// RS485 answer, the modem's answers, the SMS report. Used by the libFuzzer
// targets and by the seed test that runs in every build.
#pragma once

#include <cstddef>
#include <cstdint>

namespace fuzz {

// The first byte picks the address of the last request; the rest is the read.
void FeedRs485Answer(const std::uint8_t* data, std::size_t size);
// The first byte picks the pending modem job; the rest is the read.
void FeedModemAnswer(const std::uint8_t* data, std::size_t size);
// The whole input is a read-back's text.
void FeedSmsReport(const std::uint8_t* data, std::size_t size);

}  // namespace fuzz
