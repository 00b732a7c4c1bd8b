// Channel and signal numbering: channel c = 1..16, signal s = 1..16 of a channel,
// signal row r = 16(c - 1) + s = 1..256. Every table indexed by one of these
// numbers is reached by the number itself.
#pragma once

#include <array>
#include <cassert>
#include <cstddef>

namespace monitor {

inline constexpr int kChannels = 16;
inline constexpr int kSignalsPerChannel = 16;
inline constexpr int kSignalRows = kChannels * kSignalsPerChannel;

// Signal row of signal s (1..16) of channel c (1..16).
constexpr int SignalRow(int channel, int signal) {
  return kSignalsPerChannel * (channel - 1) + signal;
}
// Channel of a signal row.
constexpr int ChannelOfRow(int row) {
  return (row - 1) / kSignalsPerChannel + 1;
}

// Channels 1..4 are devices on the RS485 line; 5..16 are GSM objects that report by SMS.
inline constexpr int kLastRs485Channel = 4;
inline constexpr int kFirstGsmChannel = 5;
constexpr bool IsRs485Channel(int channel) {
  return channel >= 1 && channel <= kLastRs485Channel;
}
constexpr bool IsGsmChannel(int channel) {
  return channel >= kFirstGsmChannel && channel <= kChannels;
}

// A table with one entry for each number 1..Last, reached by the number itself.
// Entry 0 exists too and holds nothing, unless the table names it as a scratch
// slot; begin() and end() walk every entry, entry 0 included.
template <typename T, int Last>
struct Numbered {
  std::array<T, Last + 1> entries{};

  T& operator[](int n) {
    assert(n >= 0 && n <= Last);
    return entries[static_cast<std::size_t>(n)];
  }
  const T& operator[](int n) const {
    assert(n >= 0 && n <= Last);
    return entries[static_cast<std::size_t>(n)];
  }
  void fill(const T& value) { entries.fill(value); }
  auto begin() { return entries.begin(); }
  auto end() { return entries.end(); }
  auto begin() const { return entries.begin(); }
  auto end() const { return entries.end(); }

  friend bool operator==(const Numbered&, const Numbered&) = default;
};

template <typename T>
using PerChannel = Numbered<T, kChannels>;
// Per signal of one channel: the plan's zone markers, marker k for signal k.
template <typename T>
using PerSignal = Numbered<T, kSignalsPerChannel>;
template <typename T>
using PerSignalRow = Numbered<T, kSignalRows>;

}  // namespace monitor
