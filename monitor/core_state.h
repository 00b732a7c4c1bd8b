// The console core's own state beyond the window's controls: what no code of the
// field side reads or writes. Everything starts as zero or empty; the first
// main-cycle tick sets the start-up values.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "monitor/numbering.h"

namespace monitor {

inline constexpr std::size_t kModemTxBufferSize = 301;

struct CoreState {
  // The main cycle.
  PerChannel<std::int32_t> ChannelStamp;  // last received word of channel c
  PerChannel<std::int32_t> ShownStamp;    // the stamp last drawn on channel c
  PerSignalRow<std::string> CurStatus;    // first 3 characters of row r's status, this pass
  PerSignalRow<std::string> PrevStatus;   // the same at row r's last change
  // The signal table's write count when CurStatus was taken from it; empty once
  // CurStatus has been cleared. While it holds, the table has no new status.
  std::optional<std::uint64_t> CurStatusTakenAt;
  bool StatusChangesHandled = false;  // every row differing from PrevStatus has been handled
  std::uint8_t OperatorReminderTicks = 0;
  std::string ArchiveFileName;
  std::filesystem::path ArchivePath;  // the file named ArchiveFileName in the working folder

  // The modem output buffer.
  std::string PortName;
  std::array<std::uint8_t, kModemTxBufferSize> ModemTxBuffer{};

  // The object plan and the demonstration.
  std::int32_t PlanChannel = 1;     // channel on the plan page
  PerSignal<std::int32_t> MarkerX;  // marker k's position, as last read
  PerSignal<std::int32_t> MarkerY;
  bool PlanShown = false;      // a plan has been shown; Timer4 runs from then on
  bool MarkerBlinkOn = false;  // the blink phase
  bool DemoRunning = false;
  std::int32_t DemoDivider = 0;  // Timer4 ticks between demonstration steps, 0..5

  bool InitDone = false;            // the start-up has run to its end
  bool LowBalanceShown = false;     // the low-balance message has been shown this run
  bool TerminateRequested = false;  // the exit command was confirmed
};

}  // namespace monitor
