#include "links/sms_inbox.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "common/cp1251.h"
#include "links/modem_rx.h"

namespace links {
namespace {

// A double quote followed by two commas at q: "+", eleven digits, the quote.
bool SenderFieldAt(const std::uint8_t* read, std::int32_t n, std::int32_t q) {
  return q + 2 < n && read[q] == '"' && read[q + 1] == ',' && read[q + 2] == ',';
}

// The field passes when "+" and eleven digits stand right before its quote.
bool SenderPasses(const std::uint8_t* read, std::int32_t q) {
  if (q < 12 || read[q - 12] != '+') return false;
  return std::all_of(read + q - 11, read + q, IsDigit);
}

// The ten characters before the quote; fewer when the quote is nearer the start.
std::string SenderBefore(const std::uint8_t* read, std::int32_t q) {
  const std::int32_t from = std::max(0, q - 10);
  return common::Cp1251ToUtf8(
      std::string(reinterpret_cast<const char*>(read + from), static_cast<std::size_t>(q - from)));
}

void ListMessage(monitor::Station& st, const std::string& sender) {
  auto& box = st.form.ComboBox2;
  box.Items.insert(box.Items.begin(), st.state.SmsIndex + " " + sender);  // newest first
  box.Text = sender;
}

// Hands the report in the GSM record and slot 0 of OutputState to the channel
// whose phone in the object table equals SmsSender.
void AcceptSmsReport(monitor::Station& st, LinkState& link) {
  auto& s = st.state;
  s.RxGsm.Channel = 0;
  for (int row = monitor::kChannels; row >= 1; --row) {
    if (std::as_const(st.form.StringGrid3).Cells(monitor::kPhoneColumn, row) ==
        link.modem.SmsSender)
      s.RxGsm.Channel = row;
  }
  const auto c = static_cast<std::size_t>(s.RxGsm.Channel);
  s.LinkAge[c] = 0;
  std::uint8_t& head = link.modem.SmsChargeHead;
  head = static_cast<std::uint8_t>((head + 1) % monitor::kSmsChargeRing);
  s.SmsChargeQueue[head] = static_cast<std::uint8_t>(c);
  s.OutputState[c] = s.OutputState[0];
}

// A passing sender takes the report: listed, and handed over when valid.
void TakeReport(monitor::Station& st, LinkState& link, const SmsReport& report) {
  ListMessage(st, link.modem.SmsSender);
  st.state.RxGsm.NewData = link.modem.SmsReportValid;
  if (link.modem.SmsReportValid) {
    st.state.RxGsm.Bits = report.bits;
    st.state.RxGsm.Word = report.word;
    st.state.OutputState[0] = report.outputs;
    AcceptSmsReport(st, link);
    // The core applies GSM sets of channels 5..16 only and lowers the flag only
    // when it applies one; a flag left up for another channel would make every
    // pass write the RS485 set again.
    const int c = st.state.RxGsm.Channel;
    if (!monitor::IsGsmChannel(c)) st.state.RxGsm.NewData = false;
  } else {
    st.state.RxGsm.Channel = 0;
  }
  link.modem.SmsReportValid = false;  // a further field in this read carries no report
}

void QueueDelete(monitor::Station& st, LinkState& link) {
  link.modem.ModemRequest = ModemJob::DeleteQueued;
  link.modem.DeleteTries = 0;
  st.form.Timer1.Enabled = true;
  ClearModemRxBuffer(link);
}

// What tells one message from another in the answer to its read: everything
// after the header's status (which turns from "REC UNREAD" to "REC READ" once
// read), and every line of text after it, blank lines left out.
std::string MessageIdentity(const std::uint8_t* read, std::int32_t n) {
  const std::string_view answer = AsText(read, n);
  std::string identity;
  for (std::size_t from = 0; from < answer.size();) {
    std::string_view line = LineText(NextLine(answer, from));
    if (line.starts_with("+CMGR:")) line.remove_prefix(std::min(line.find(','), line.size()));
    if (!line.empty()) identity.append(line).push_back('\n');
  }
  return identity;
}

}  // namespace

SmsReport ParseSmsReport(const std::uint8_t* read, std::int32_t n) {
  SmsReport report;
  const std::uint8_t* end = read + n;
  const std::uint8_t* dot = std::find(read, end, std::uint8_t{'.'});
  if (dot == end || end - (dot + 1) < 16) return report;
  const std::uint8_t* chars = dot + 1;
  report.valid =
      std::all_of(chars, chars + 16, [](std::uint8_t b) { return b == '0' || b == '1'; });
  if (!report.valid) return report;
  report.bits = common::Cp1251ToUtf8(std::string(reinterpret_cast<const char*>(chars), 17));
  const std::uint8_t digit = chars[16];
  if (digit >= '0' && digit <= '7') {
    report.outputs.P1 = ((digit - '0') & 1) != 0;
    report.outputs.P2 = ((digit - '0') & 2) != 0;
  }
  for (int k = 1; k <= 16; ++k) {
    if (chars[k - 1] == '1')
      report.word = static_cast<std::uint16_t>(report.word | (1u << (16 - k)));
  }
  return report;
}

void ReadBackSms(monitor::Station& st, LinkState& link, const std::uint8_t* read, std::int32_t n) {
  ModemState& modem = link.modem;
  const std::string message = MessageIdentity(read, n);
  if (const auto applied = modem.AppliedUndeleted.find(st.state.SmsIndex);
      applied != modem.AppliedUndeleted.end() && applied->second == message) {
    QueueDelete(st, link);  // its delete went unconfirmed: this time only the delete
    return;
  }
  modem.AppliedUndeleted[st.state.SmsIndex] = message;
  const SmsReport report = ParseSmsReport(read, n);
  link.modem.SmsReportValid = report.valid;
  if (n > 17) {
    for (std::int32_t q = 0; q < n; ++q) {
      if (!SenderFieldAt(read, n, q)) continue;
      link.modem.SmsSender = SenderBefore(read, q);
      link.modem.SmsSenderInvalid = !SenderPasses(read, q);
      if (link.modem.SmsSenderInvalid) continue;
      TakeReport(st, link, report);
    }
  }
  // The whole answer has been judged: the message is deleted whatever the verdict.
  // Left in its slot, an applied report would be applied and charged again at its
  // next read, and any other would hold back the sweep and the control SMS.
  QueueDelete(st, link);
}

}  // namespace links
