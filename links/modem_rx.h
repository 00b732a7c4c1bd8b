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

}  // namespace links
