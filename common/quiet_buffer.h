// Bytes that have arrived on a line, held back until the line falls quiet so an
// answer still arriving is never cut in two.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace common {

struct QuietBuffer {
  std::int64_t quiet_ms = 5;
  std::vector<std::uint8_t> bytes;
  std::int64_t last_arrival_ms = 0;

  void Append(const std::uint8_t* data, std::size_t count, std::int64_t now_ms) {
    if (count == 0) return;
    bytes.insert(bytes.end(), data, data + count);
    last_arrival_ms = now_ms;
  }

  // Up to max of the oldest bytes, once nothing has arrived for quiet_ms; at
  // once when max bytes are already held. The rest stays for the next call.
  std::size_t Take(std::uint8_t* into, std::size_t max, std::int64_t now_ms) {
    if (bytes.empty() || max == 0) return 0;
    const bool quiet = now_ms - last_arrival_ms >= quiet_ms;
    if (!quiet && bytes.size() < max) return 0;
    const std::size_t count = std::min(max, bytes.size());
    std::copy_n(bytes.begin(), count, into);
    bytes.erase(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(count));
    return count;
  }

  // How long nothing has arrived, once every byte has been taken; 0 while bytes wait.
  std::int64_t SilentMs(std::int64_t now_ms) const {
    return bytes.empty() ? std::max<std::int64_t>(now_ms - last_arrival_ms, 1) : 0;
  }

  // Drops all but the newest max bytes.
  void KeepNewest(std::size_t max) {
    if (bytes.size() > max)
      bytes.erase(bytes.begin(), bytes.end() - static_cast<std::ptrdiff_t>(max));
  }

  void Clear() { bytes.clear(); }
};

}  // namespace common
