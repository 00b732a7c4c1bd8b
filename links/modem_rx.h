// Small helpers over the modem receive buffer.
#pragma once

#include <cstdint>
#include <string_view>

#include "links/link_state.h"

namespace links {

// All 301 bytes := 0; every later step of the tick finds zeros.
inline void ClearModemRxBuffer(LinkState& link) {
  link.ModemRxBuffer.fill(0);
}

// The bytes from `at` are exactly `text`.
inline bool BytesAre(const std::uint8_t* at, std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (at[i] != static_cast<std::uint8_t>(text[i])) return false;
  }
  return true;
}

inline bool IsDigit(std::uint8_t b) {
  return b >= '0' && b <= '9';
}

// The n bytes of a read, as text.
inline std::string_view AsText(const std::uint8_t* bytes, std::int32_t n) {
  return {reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(n)};
}

// The line of bytes that starts at `from`, with its LF (the rest, when none
// follows); `from` moves past it.
inline std::string_view NextLine(std::string_view bytes, std::size_t& from) {
  const std::size_t lf = bytes.find('\n', from);
  const std::size_t end = lf == std::string_view::npos ? bytes.size() : lf + 1;
  const std::string_view line = bytes.substr(from, end - from);
  from = end;
  return line;
}

// A line without the CR and LF that end it.
inline std::string_view LineText(std::string_view line) {
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
  return line;
}

}  // namespace links
