#include "links/timer2_timer.h"

#include <algorithm>

#include "links/held_commands.h"
#include "links/manual_sms.h"
#include "links/modem_job.h"
#include "links/modem_recogniser.h"
#include "links/rs485_poll.h"
#include "monitor/modem_gate.h"

namespace links {
namespace {

// The modem never pauses this long inside a line: bytes after the last line feed
// that have waited so long with the line silent are all the line there is.
constexpr std::int64_t kUnfinishedLineMs = 200;

// Whether the bytes after the last line feed may be examined now: the text prompt,
// after which the modem waits, or a line that no more bytes will follow.
bool TailComplete(const std::uint8_t* tail, std::int32_t size, std::int64_t silent_ms) {
  if (size == 0) return true;
  if (silent_ms == 0) return false;  // the rest of the line is still arriving
  return tail[0] == '>' || silent_ms >= kUnfinishedLineMs;
}

// How many of the waiting bytes this tick examines: whole lines, at most as many
// as the recogniser looks at, so that no line is ever examined in two halves.
// A run of more than that without a line feed is examined in pieces.
std::int32_t ExaminedPart(const std::uint8_t* bytes, std::int32_t count, common::SerialLine& line) {
  const std::int32_t limit = std::min(count, kModemExamineMax);
  std::int32_t whole = limit;
  while (whole > 0 && bytes[whole - 1] != '\n') --whole;
  if (count <= kModemExamineMax &&
      TailComplete(bytes + whole, count - whole, whole == count ? 0 : line.SilentMs())) {
    return count;
  }
  return whole > 0 || count < kModemExamineMax ? whole : limit;
}

// This tick's modem read: the bytes that waited from the last tick, then what has
// arrived; the part not examined waits for the next tick.
void TakeModemRead(monitor::Station& st, LinkState& link) {
  auto& waiting = link.ModemRxWaiting;
  auto& count = link.ModemRxWaitingCount;
  const auto room = waiting.size() - static_cast<std::size_t>(count);
  if (room > 0) {
    count += static_cast<std::int32_t>(st.ports.modem.Read(waiting.data() + count, room));
  }
  const std::int32_t take = count == 0 ? 0 : ExaminedPart(waiting.data(), count, st.ports.modem);
  std::copy_n(waiting.begin(), take, link.ModemRxBuffer.begin());
  link.ModemRxBuffer[static_cast<std::size_t>(take)] = 0;
  link.ModemRxCount = take;
  std::copy(waiting.begin() + take, waiting.begin() + count, waiting.begin());
  count -= take;
}

}  // namespace

void Timer2Timer(monitor::Station& st, LinkState& link) {
  st.form.Timer2.Enabled = false;
  link.Rs485RxCount = static_cast<std::int32_t>(
      st.ports.rs485.Read(link.Rs485RxBuffer.data(), link.Rs485RxBuffer.size()));
  if (link.Rs485RxCount > 0) DecodeRs485Answer(st, link);
  // A line opened anew since the last write may carry another modem, or the same
  // one with what it owed lost; an SMS sent before waits on for its answer, as
  // the same modem may be back.
  link.ModemTickActed = monitor::NoteLineSession(st);
  if (link.ModemTickActed) JobLostItsAnswer(st, link);
  TakeModemRead(st, link);
  if (link.ModemRxCount > 0) RecogniseModemAnswer(st, link);
  SendManualSmsText(st, link);
  SendHeldCommand(st, link);
  st.form.Timer2.Enabled = true;
}

}  // namespace links
