#include "links/rs485_poll.h"

#include <algorithm>
#include <limits>
#include <string>

#include "common/numbers.h"
#include "common/platform_error.h"
#include "monitor/modem_output.h"
#include "monitor/save_settings.h"

namespace links {
namespace {

using Frame = std::array<std::uint8_t, kRs485FrameSize>;

constexpr std::uint8_t kRequestStart = 0xAA;
constexpr std::uint8_t kRequestCode = 0x45;
constexpr std::uint8_t kAnswerStart = 0x55;
constexpr std::size_t kAnswerSize = 6;
constexpr int kLastAddress = monitor::kLastRs485Channel;  // a device's address is its channel
// Link ages of the RS485 channels at a start and a stop of polling: both above
// the frame's limit, so the frames turn grey until a channel answers.
constexpr std::uint8_t kPollStartAge = 110;
constexpr std::uint8_t kPollStopAge = 120;

// The idle frame fills the slot of address 0; its address byte lies outside 1..4.
constexpr Frame kIdleFrame = {0xAA, 0xAA, 0xAA, 0xAA, 0xAA};

// Request to address a with the channel's output commands; the checksum leaves out
// the start byte.
Frame RequestFrame(int a, const monitor::OutputPair& cmd) {
  const auto address = static_cast<std::uint8_t>(a);
  const auto flags = static_cast<std::uint8_t>((cmd.P1 ? 1 : 0) + (cmd.P2 ? 2 : 0));
  const auto checksum = static_cast<std::uint8_t>(kRequestCode + address + flags);
  return {kRequestStart, kRequestCode, address, flags, checksum};
}

std::string Hex(std::uint8_t b) {
  constexpr char kDigits[] = "0123456789ABCDEF";
  return {kDigits[b >> 4], kDigits[b & 0x0F]};
}

// Start byte, length, address of the last request, checksum over bytes 0..4, in
// this order. Address 0 (after the idle frame) belongs to no channel, so an answer
// carrying it is dropped too.
bool IsAcceptedAnswer(const std::uint8_t* rx, std::size_t count, std::uint8_t poll_address) {
  if (rx[0] != kAnswerStart) return false;
  if (count < kAnswerSize) return false;
  if (rx[1] != poll_address || poll_address == 0) return false;
  const auto sum = static_cast<std::uint8_t>(rx[0] + rx[1] + rx[2] + rx[3] + rx[4]);
  return rx[5] == sum;
}

void UnpackByte(std::string& bits, std::size_t first, std::uint8_t b) {
  bits.resize(16, '0');
  for (std::size_t s = 0; s < 8; ++s) bits[first + s] = (b >> s) & 1 ? '1' : '0';
}

// Signals 1..8 (low) or 9..16 (high) of a set's characters from one answer byte,
// bit 0 first: '1' for a set bit, '0' for a clear one.
void UnpackRs485SignalsLow(monitor::ReceivedSignals& set, std::uint8_t b) {
  UnpackByte(set.Bits, 0, b);
}

void UnpackRs485SignalsHigh(monitor::ReceivedSignals& set, std::uint8_t b) {
  UnpackByte(set.Bits, 8, b);
}

void OpenPortsOnPollStart(monitor::Station& st) {
  monitor::OpenPorts(st);
}

// Timer1's interval for the pause text of Edit20, in milliseconds: the whole number
// of seconds times 1000. Below 1 counts as the spinner's minimum of 1 s, above the
// timer's range as its largest whole second; a text that is no whole number gives
// nothing, and the timer keeps the interval it has.
std::optional<int> PollIntervalMs(std::string_view pause_text) {
  constexpr int kMaxSeconds = std::numeric_limits<int>::max() / 1000;
  std::int32_t seconds = 0;
  try {
    seconds = common::StrToInt(pause_text);
  } catch (const common::PlatformError&) {
    return std::nullopt;
  }
  return std::clamp(seconds, 1, kMaxSeconds) * 1000;
}

}  // namespace

void PollStep(monitor::Station& st, LinkState& link) {
  if (st.state.Rs485State != monitor::Rs485Polling::Running) return;
  PollState& poll = link.poll;
  poll.PollAddress =
      static_cast<std::uint8_t>(poll.PollAddress >= kLastAddress ? 0 : poll.PollAddress + 1);
  const int a = poll.PollAddress;
  if (a != 0) {
    // One byte; held at 255 so that it cannot wrap to 0, the age of a fresh answer.
    std::uint8_t& age = st.state.LinkAge[a];
    if (age < std::numeric_limits<std::uint8_t>::max()) ++age;
    st.form.Image[monitor::kPollLamp].Visible = !st.form.Image[monitor::kPollLamp].Visible;
    st.form.StatusBar1[monitor::kAnswerPanel].Text.clear();
    poll.Rs485TxFrame = RequestFrame(a, st.state.OutputCmd[a]);
  } else {
    poll.Rs485TxFrame = kIdleFrame;
  }
  st.state.TxWrittenCount = 0;
  st.ports.rs485.Write(poll.Rs485TxFrame.data(), poll.Rs485TxFrame.size());
  std::string shown;
  for (std::size_t i = 1; i < kRs485FrameSize; ++i) {
    if (i > 1) shown += ' ';
    shown += Hex(poll.Rs485TxFrame[i]);
  }
  st.form.StatusBar1[monitor::kRequestPanel].Text = shown;
}

void FinishPollTick(monitor::Station& st, LinkState&) {
  st.form.StatusBar1[monitor::kPollStatePanel].Text =
      monitor::Rs485PollingText(st.state.Rs485State);
  if (const auto interval = PollIntervalMs(st.form.Edit20.Text)) {
    st.form.Timer1.Interval = *interval;
  }
  st.form.Timer1.Enabled = true;
}

void DecodeRs485Answer(monitor::Station& st, LinkState& link) {
  // The count comes from the transport; never look beyond the buffer.
  const auto count = static_cast<std::size_t>(
      std::clamp<std::int32_t>(link.Rs485RxCount, 0, static_cast<std::int32_t>(kRs485RxMax)));
  if (count == 0) return;
  const std::uint8_t* rx = link.Rs485RxBuffer.data();
  std::string shown;
  for (std::size_t i = 0; i < count; ++i) shown += Hex(rx[i]) + ' ';
  st.form.StatusBar1[monitor::kAnswerPanel].Text = shown;
  if (!IsAcceptedAnswer(rx, count, link.poll.PollAddress)) return;
  monitor::ReceivedSignals& set = st.state.RxRs485;
  const std::uint8_t channel = rx[1];
  set.Channel = channel;
  st.state.LinkAge[channel] = 0;
  set.Word = static_cast<std::uint16_t>(rx[3] * 256 + rx[4]);
  UnpackRs485SignalsLow(set, rx[3]);
  UnpackRs485SignalsHigh(set, rx[4]);
  set.NewData = true;
  st.state.OutputState[channel].P1 = (rx[2] & 0x80) != 0;
  st.state.OutputState[channel].P2 = (rx[2] & 0x40) != 0;
  link.Rs485RxBuffer.fill(0);
}

void BitBtn20Click(monitor::Station& st, LinkState&) {
  if (!st.state.PortOpen) OpenPortsOnPollStart(st);
  monitor::SavePollPause(st);
  for (int c = 1; c <= kLastAddress; ++c) st.state.LinkAge[c] = kPollStartAge;
  auto& dialogs = st.ports.dialogs;
  if (st.form.ComboBox1.Text == monitor::kNoOperatorChosen &&
      !dialogs.Confirm("Не выбрана фамилия оператора.Продолжить ? ", "Запуск программы",
                       common::BoxIcon::Question)) {
    return;
  }
  if (!dialogs.Confirm("Начать опрос?", "Управление передачей  по RS485",
                       common::BoxIcon::Question)) {
    return;
  }
  st.state.Rs485State = monitor::Rs485Polling::Running;
  st.form.Timer1.Enabled = true;
  st.form.Timer2.Enabled = true;
}

void BitBtn21Click(monitor::Station& st, LinkState&) {
  if (!st.ports.dialogs.Confirm("Прекратить опрос?", "Управление передачей по RS485 ",
                                common::BoxIcon::Question)) {
    return;
  }
  st.state.Rs485State = monitor::Rs485Polling::Stopped;
  st.state.SmsAlarmArmed = false;
  st.state.SirenOn = false;
  st.state.SmsSendProgress = 0;
  st.form.Image[monitor::kPollLamp].Visible = false;
  for (int c = 1; c <= kLastAddress; ++c) st.state.LinkAge[c] = kPollStopAge;
}

}  // namespace links
