// Small helpers over the modem receive buffer and the dialogue's status display.
#pragma once

#include <cstdint>
#include <string_view>

#include "links/link_state.h"
#include "monitor/station.h"

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

// A job command went out: the "answered" lamp off, the "in progress" lamp on.
inline void ShowJobInProgress(monitor::Station& st) {
  st.form.Image[monitor::kModemAnsweredLamp].Visible = false;
  st.form.Image[monitor::kJobLamp].Visible = true;
}

inline constexpr std::int32_t kStatusClearTicks = 10;

}  // namespace links
