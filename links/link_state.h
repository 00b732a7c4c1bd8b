// The field side's own state: what the last Timer2 tick read from each line.
#pragma once

#include <array>
#include <cstdint>

namespace links {

inline constexpr std::size_t kRs485RxMax = 31;
inline constexpr std::size_t kModemRxMax = 300;

struct LinkState {
  std::array<std::uint8_t, kRs485RxMax> Rs485RxBuffer{};
  std::int32_t Rs485RxCount = 0;
  std::array<std::uint8_t, kModemRxMax + 1> ModemRxBuffer{};  // data, then a 0 byte
  std::int32_t ModemRxCount = 0;
};

}  // namespace links
