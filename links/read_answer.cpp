#include "links/read_answer.h"

#include <algorithm>
#include <string_view>

#include "links/modem_job.h"
#include "links/modem_rx.h"
#include "links/sms_inbox.h"
#include "monitor/modem_gate.h"

namespace links {
namespace {

std::string_view Collected(const ModemState& modem) {
  return AsText(modem.ReadAnswer.data(), modem.ReadAnswerCount);
}

// The modem's first final result line: from the CR LF before it to the CR LF
// that ends it; npos while none has come whole.
struct Span {
  std::size_t begin = std::string_view::npos;
  std::size_t end = std::string_view::npos;
};

Span FirstFinalResult(std::string_view bytes) {
  Span first;
  for (std::string_view final :
       {"\r\nOK\r\n", "\r\nERROR\r\n", "\r\n+CMS ERROR:", "\r\n+CME ERROR:"}) {
    const std::size_t at = bytes.find(final);
    if (at == std::string_view::npos || at >= first.begin) continue;
    const std::size_t line_end = bytes.find("\r\n", at + 2);
    if (line_end == std::string_view::npos) continue;  // its error code is still arriving
    first = {at, line_end + 2};
  }
  return first;
}

// A line that begins with "+" before the final result: an answer line of some
// command ("+CMGS: 12"), to which that final result belongs.
bool AnswerLineBefore(std::string_view bytes, std::size_t end) {
  for (std::size_t i = 0; i < end; ++i) {
    if (bytes[i] == '+' && (i == 0 || bytes[i - 1] == '\n')) return true;
  }
  return false;
}

// Drops the first n collected bytes.
void Drop(ModemState& modem, std::size_t n) {
  auto& bytes = modem.ReadAnswer;
  std::copy(bytes.begin() + static_cast<std::ptrdiff_t>(n), bytes.begin() + modem.ReadAnswerCount,
            bytes.begin());
  modem.ReadAnswerCount -= static_cast<std::int32_t>(n);
  bytes[static_cast<std::size_t>(modem.ReadAnswerCount)] = 0;
}

// A line the modem puts out by itself, between the lines of an answer: a
// new-message notice or a call. It is no part of the answer.
bool Unsolicited(std::string_view line) {
  line = LineText(line);
  return line.find("+CMTI:") != std::string_view::npos || line == "RING" || line == "NO CARRIER";
}

// Whether a message stands between the answer's header line and its final result:
// some text, and no echo of a command; with `alone`, no line of another command's
// either (its prompt, its answer line).
bool MessageAfterHeader(std::string_view from_header, bool alone) {
  const std::string_view message = from_header.substr(0, FirstFinalResult(from_header).begin);
  bool text = false;
  std::size_t from = 0;
  NextLine(message, from);  // past the header line
  while (from < message.size()) {
    const std::string_view line = LineText(NextLine(message, from));
    if (line.starts_with("AT")) return false;
    if (alone && (line.starts_with('>') || line.starts_with('+'))) return false;
    text = text || !line.empty();
  }
  return text;
}

// The message, from the CR LF before "+CMGR:" to its final result, goes to the
// read-back step. The empty-slot answer behind an echo ends the job as it does
// at the start of a read.
void Judge(monitor::Station& st, LinkState& link, std::size_t header, std::size_t end) {
  ModemState& modem = link.modem;
  if (Collected(modem).substr(header).starts_with("+CMGR: 0,,0\r\n")) {
    st.form.StatusBar1[monitor::kModemInPanel].Text = "NO SMS";
    st.state.StatusClearCountdown = monitor::kStatusClearTicks;
    EndReadOfEmptySlot(st, link);
    return;
  }
  // The answer to a read is its header, the message's text and OK. An error
  // behind the header, or an OK with no text before it, is another command's,
  // behind an answer cut short; and while a command written after the read still
  // owes its answer, so is an OK behind any line of another command's.
  const std::string_view from_header = Collected(modem).substr(header);
  const bool ok = Collected(modem).substr(0, end).ends_with("\r\nOK\r\n");
  if (!ok || !MessageAfterHeader(from_header, st.state.gate.answers_due > 0)) {
    EndReadUnjudged(st, link);
    return;
  }
  modem.ReadAnswerCount = static_cast<std::int32_t>(end);
  modem.ReadAnswer[end] = 0;
  Drop(modem, header >= 2 ? header - 2 : 0);
  NotifiedSlotRead(st, modem, false);
  ReadBackSms(st, link, modem.ReadAnswer.data(), modem.ReadAnswerCount);
  StartReadAnswer(link);
}

// A final result with no message before it. "+CMS ERROR: 321" (no message at
// that index) says the slot is empty; so does a bare OK, but only when it is
// surely this read's: should any later command still owe its answer, the read
// may have been lost and the OK be that command's. A slot a notice named holds a
// message: a bare OK for it is read again rather than taken at its word.
void JudgeBareResult(monitor::Station& st, LinkState& link, std::string_view final) {
  const bool bare_ok = final == "\r\nOK\r\n";
  const bool empty =
      bare_ok ? st.state.gate.answers_due == 0 && !IsNotifiedSlot(link.modem, st.state.SmsIndex)
              : final.starts_with("\r\n+CMS ERROR: 321\r\n");
  if (empty) {
    EndReadOfEmptySlot(st, link);
  } else {
    EndReadUnjudged(st, link);
  }
}

}  // namespace

void StartReadAnswer(LinkState& link) {
  link.modem.ReadAnswerCount = 0;
  link.modem.ReadAnswer[0] = 0;
}

void CollectReadAnswer(monitor::Station& st, LinkState& link, std::int32_t n) {
  ModemState& modem = link.modem;
  const std::string_view read = AsText(modem.ModemRxCopy.data(), n);
  for (std::size_t from = 0; from < read.size();) {
    const std::string_view line = NextLine(read, from);
    if (Unsolicited(line)) continue;
    if (modem.ReadAnswerCount + line.size() > kReadAnswerMax) {
      EndReadUnjudged(st, link);  // no answer to the read of one message is this long
      return;
    }
    std::copy(line.begin(), line.end(), modem.ReadAnswer.begin() + modem.ReadAnswerCount);
    modem.ReadAnswerCount += static_cast<std::int32_t>(line.size());
  }
  modem.ReadAnswer[static_cast<std::size_t>(modem.ReadAnswerCount)] = 0;

  for (;;) {
    const std::string_view bytes = Collected(modem);
    // The modem's echo of the read command: its answer comes after it.
    if (const std::size_t echo = bytes.find("AT+CMGR="); echo != std::string_view::npos) {
      const std::size_t cr = bytes.find('\r', echo);
      if (cr == std::string_view::npos) return;
      Drop(modem, cr + 1);
      continue;
    }
    const Span final = FirstFinalResult(bytes);
    if (final.begin == std::string_view::npos) return;
    if (const std::size_t header = bytes.substr(0, final.begin).find("+CMGR:");
        header != std::string_view::npos) {
      Judge(st, link, header, final.end);
      return;
    }
    if (AnswerLineBefore(bytes, final.begin)) {
      Drop(modem, final.end);
      continue;
    }
    JudgeBareResult(st, link, bytes.substr(final.begin, final.end - final.begin));
    return;
  }
}

void EndReadOfEmptySlot(monitor::Station& st, LinkState& link) {
  link.modem.ModemRequest = ModemJob::Idle;
  StartReadAnswer(link);
  NotifiedSlotRead(st, link.modem, true);
  link.modem.AppliedUndeleted.erase(st.state.SmsIndex);
}

}  // namespace links
