#include "links/modem_recogniser.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "common/cp1251.h"
#include "links/modem_job.h"
#include "links/modem_rx.h"
#include "links/read_answer.h"
#include "links/sms_outcome.h"
#include "monitor/modem_gate.h"
#include "monitor/modem_output.h"

namespace links {
namespace {

constexpr std::uint8_t CR = 13;
constexpr std::uint8_t LF = 10;

// A read this long with no job in hand is left for no later step of the tick.
constexpr std::int32_t kLongIdleRead = 50;

void SetPanel4(monitor::Station& st, const std::string& text, bool countdown) {
  st.form.StatusBar1[monitor::kModemInPanel].Text = text;
  if (countdown) st.state.StatusClearCountdown = monitor::kStatusClearTicks;
}

// The modem's start-up message, anywhere in a read: it may come right behind
// other bytes (the echo of what the modem took while it started).
bool StartUpMessage(const std::uint8_t* read, std::int32_t n) {
  return AsText(read, n).find("SYSSTART\r\n") != std::string_view::npos;
}

// After the start-up message a sweep of the SIM follows. The restarted modem has
// forgotten what it was given: an SMS waiting for its text is void, a read in
// hand is read again, a delete goes again.
void TestStartUp(monitor::Station& st, LinkState& link, std::int32_t n) {
  if (!StartUpMessage(link.ModemRxBuffer.data(), n)) return;
  SetPanel4(st, "START", true);
  monitor::NoteModemRestart(st);
  SmsAnswersLost(st, link);
  JobLostItsAnswer(st, link);
  ModemJob& job = link.modem.ModemRequest;
  if (job == ModemJob::ReadQueued) job = ModemJob::Idle;
  ClearModemRxBuffer(link);
  st.state.SmsScanSlot = kSweepFirstSlot;
}

// The text input prompt after a send command.
void TestPrompt(monitor::Station& st, LinkState& link, std::int32_t n) {
  const auto* b = link.ModemRxBuffer.data();
  if (n < 3 || b[0] != CR || b[1] != LF || b[2] != '>') return;
  SetPanel4(st, "номер ok", true);
  st.form.StatusBar1[monitor::kModemOutPanel].Text = ">";
}

// The answer to "AT+CPBR=1": the number goes to panel 5.
void TestPhoneBookEntry(monitor::Station& st, LinkState& link, std::int32_t n) {
  const auto* b = link.ModemRxBuffer.data();
  if (n <= 40 || b[0] != CR || b[1] != LF || !BytesAre(b + 2, "+CPBR: 1")) return;
  const std::string number(reinterpret_cast<const char*>(b + 12), 12);
  st.form.StatusBar1[monitor::kEventPanel].Text = "Телефон №1 :" + common::Cp1251ToUtf8(number);
  ClearModemRxBuffer(link);
}

// An incoming call, the modem's CR LF "RING" CR LF at the start of a read. The
// reset that ends it waits while the modem takes an SMS text; the modem repeats
// its RING.
void TestIncomingCall(monitor::Station& st, LinkState& link, std::int32_t n) {
  const auto* b = link.ModemRxBuffer.data();
  if (n < 8 || !BytesAre(b, "\r\nRING\r\n")) return;
  ClearModemRxBuffer(link);
  if (monitor::ModemTakesCommands(st)) monitor::SendModemCommand(st, "ATZ");
  st.form.StatusBar1[monitor::kModemInPanel].Text = "ЗВОНОК";
}

// A read that ends with the final result "OK".
void TestOk(monitor::Station& st, LinkState& link, std::int32_t n) {
  const auto* b = link.ModemRxBuffer.data();
  if (n < 6 || !BytesAre(b + n - 6, "\r\nOK\r\n")) return;
  st.form.Image[monitor::kModemAnsweredLamp].Visible = true;
  st.form.Image[monitor::kJobLamp].Visible = false;
  st.state.ModemReady = true;
  SetPanel4(st, "OK", true);
}

// A read of exactly the final result "ERROR": the read in hand ends unjudged.
// It answers no job still to go out, so such a job stays.
void TestError(monitor::Station& st, LinkState& link, std::int32_t& n) {
  const auto* b = link.ModemRxBuffer.data();
  if (n != 9 || !BytesAre(b + 2, "ERROR\r\n")) return;
  n = 0;
  ClearModemRxBuffer(link);
  SetPanel4(st, "ERR", true);
  if (link.modem.ModemRequest == ModemJob::Reading) EndReadUnjudged(st, link);
}

// The answer to reading an empty SIM slot: the read ends, nothing is deleted.
void TestEmptySlot(monitor::Station& st, LinkState& link, std::int32_t n) {
  const auto* b = link.ModemRxBuffer.data();
  if (n <= 14 || b[0] != CR || b[1] != LF || !BytesAre(b + 2, "+CMGR: 0,,0") || b[13] != CR ||
      b[14] != LF) {
    return;
  }
  SetPanel4(st, "NO SMS", true);
  ClearModemRxBuffer(link);
  if (link.modem.ModemRequest == ModemJob::Reading) EndReadOfEmptySlot(st, link);
}

// The text after the last LF, without control bytes; empty leaves panel 4 alone.
void ShowLastLine(monitor::Station& st, const LinkState& link, std::int32_t n) {
  std::string line;
  for (std::int32_t i = 0; i < n; ++i) {
    const std::uint8_t b = link.ModemRxBuffer[static_cast<std::size_t>(i)];
    if (b == LF) {
      line.clear();
    } else if (b >= 26) {
      line += static_cast<char>(b);
    }
  }
  if (!line.empty()) st.form.StatusBar1[monitor::kModemInPanel].Text = common::Cp1251ToUtf8(line);
}

// A line that ends the answer to a command.
bool IsFinalResult(std::string_view line) {
  return line == "OK" || line == "ERROR" || line.starts_with("+CMS ERROR:") ||
         line.starts_with("+CME ERROR:");
}

// What the lines of a read tell the modem gate, the job in hand and the SMS that
// await their answers: final results, the text prompt, the probe's answer, an
// SMS sent. Every line counts, whatever the answer tests below make of the read.
void NoteModemLines(monitor::Station& st, LinkState& link, const std::uint8_t* read,
                    std::int32_t n) {
  const std::string_view bytes = AsText(read, n);
  for (std::size_t from = 0; from < bytes.size();) {
    const std::string_view line = LineText(NextLine(bytes, from));
    if (line.starts_with('>')) {
      monitor::NotePrompt(st);
    } else if (line.starts_with(monitor::kProbeAnswer)) {
      monitor::NoteProbeAnswer(st);
    } else if (line.starts_with("+CMGS:")) {
      SmsAnswered(st, link, true);
    } else if (IsFinalResult(line)) {
      if (line != "OK" && OnlySmsAnswersOwed(st, link)) SmsAnswered(st, link, false);
      if (monitor::NoteFinalResult(st)) SmsAnswersBeforeProbeLost(st, link);
      DeleteAnswered(st, link, line == "OK");
    }
  }
}

// The slots of the new-message notices in a read, "+CMTI: "<mem>",<slot>, in
// order. Looked for in the read as it came, before any answer test clears it, so
// that no notice is lost whatever else its read holds.
std::vector<std::string> FindNotices(const std::uint8_t* read, std::int32_t n) {
  std::vector<std::string> slots;
  for (std::int32_t j = 0; j + 13 <= n; ++j) {
    const std::uint8_t* w = read + j;
    if (!BytesAre(w, "+CMTI: ") || w[7] != '"' || w[10] != '"' || w[11] != ',') continue;
    if (!IsDigit(w[12])) continue;  // line noise, not a slot number
    std::string slot(1, static_cast<char>(w[12]));
    if (IsDigit(w[13])) slot += static_cast<char>(w[13]);
    slots.push_back(slot);
  }
  return slots;
}

// Queues a read of each notified slot; the slots are read in the order of their
// notices.
void QueueNotices(monitor::Station& st, LinkState& link, const std::vector<std::string>& slots) {
  for (const std::string& slot : slots) {
    st.state.SmsScanSlot = 0;
    QueueNotifiedSlot(st, link.modem, slot);
    st.form.Timer1.Enabled = true;
    ClearModemRxBuffer(link);
    SetPanel4(st, "Входящее SMS", true);
  }
}

}  // namespace

void RecogniseModemAnswer(monitor::Station& st, LinkState& link) {
  st.form.StatusBar1[monitor::kModemInPanel].Text.clear();
  const std::int32_t read = std::min(link.ModemRxCount, kModemExamineMax);
  std::int32_t n = read;
  auto& copy = link.modem.ModemRxCopy;
  std::copy_n(link.ModemRxBuffer.begin(), n, copy.begin());
  copy[static_cast<std::size_t>(n)] = 0;
  const std::vector<std::string> notices = FindNotices(copy.data(), n);
  NoteModemLines(st, link, copy.data(), n);
  TestStartUp(st, link, n);
  TestPrompt(st, link, n);
  TestPhoneBookEntry(st, link, n);
  TestIncomingCall(st, link, n);
  TestOk(st, link, n);
  TestError(st, link, n);
  TestEmptySlot(st, link, n);
  link.ModemRxCount = n;
  ShowLastLine(st, link, n);
  QueueNotices(st, link, notices);
  if (link.modem.ModemRequest == ModemJob::Reading) CollectReadAnswer(st, link, read);
  if (link.modem.ModemRequest == ModemJob::Idle && n > kLongIdleRead) ClearModemRxBuffer(link);
}

}  // namespace links
