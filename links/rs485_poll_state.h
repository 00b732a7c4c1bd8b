// The RS485 poll's own state.
#pragma once

#include <array>
#include <cstdint>

namespace links {

inline constexpr std::size_t kRs485FrameSize = 5;

struct PollState {
  std::uint8_t PollAddress = 0;  // address of the last frame built: 1..4, 0 after the idle frame
  std::array<std::uint8_t, kRs485FrameSize> Rs485TxFrame{};  // the last frame handed over
};

}  // namespace links
