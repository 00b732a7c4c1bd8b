#include "links/rs485_poll.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "links/timer1_timer.h"
#include "links/timer2_timer.h"
#include "tests/support/fakes.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using common::BoxIcon;

// An answer frame with its checksum over bytes 0..4.
Bytes Answer(std::uint8_t address, std::uint8_t outputs, std::uint8_t low, std::uint8_t high) {
  Bytes b = {0x55, address, outputs, low, high};
  b.push_back(static_cast<std::uint8_t>(0x55 + address + outputs + low + high));
  return b;
}

struct Rs485PollTest : ::testing::Test {
  testing_support::FakePorts fakes;
  monitor::Station st{fakes.Ports()};
  links::LinkState link;

  void StartPolling() { st.state.Rs485State = monitor::Rs485Polling::Running; }

  // Runs one poll step and returns the frame it wrote, if any.
  std::optional<Bytes> Poll() {
    const std::size_t before = fakes.rs485.writes.size();
    links::PollStep(st, link);
    if (fakes.rs485.writes.size() == before) return std::nullopt;
    return fakes.rs485.writes.back();
  }

  void Receive(const Bytes& bytes) {
    std::copy(bytes.begin(), bytes.end(), link.Rs485RxBuffer.begin());
    link.Rs485RxCount = static_cast<std::int32_t>(bytes.size());
    links::DecodeRs485Answer(st, link);
  }

  std::string Panel(int i) const { return st.form.StatusBar1[i].Text; }
  std::vector<testing_support::Box> Confirms() const { return fakes.dialogs.OfKind("confirm"); }
};

TEST_F(Rs485PollTest, RequestFramesCarryTheChannelsOutputCommands) {
  struct Case {
    int address;
    monitor::OutputPair cmd;
    Bytes frame;
    std::string panel0;
  };
  const std::vector<Case> cases = {
      {1, {0, 0}, {0xAA, 0x45, 0x01, 0x00, 0x46}, "45 01 00 46"},
      {2, {1, 0}, {0xAA, 0x45, 0x02, 0x01, 0x48}, "45 02 01 48"},
      {3, {1, 1}, {0xAA, 0x45, 0x03, 0x03, 0x4B}, "45 03 03 4B"},
      {4, {0, 1}, {0xAA, 0x45, 0x04, 0x02, 0x4B}, "45 04 02 4B"},
      {4, {1, 1}, {0xAA, 0x45, 0x04, 0x03, 0x4C}, "45 04 03 4C"},
  };
  StartPolling();
  for (const Case& c : cases) {
    link.poll.PollAddress = static_cast<std::uint8_t>(c.address - 1);
    st.state.OutputCmd[c.address] = c.cmd;
    st.state.TxWrittenCount = 9;
    EXPECT_EQ(Poll(), c.frame) << c.panel0;
    EXPECT_EQ(Bytes(link.poll.Rs485TxFrame.begin(), link.poll.Rs485TxFrame.end()), c.frame);
    EXPECT_EQ(link.poll.PollAddress, c.address);
    EXPECT_EQ(Panel(0), c.panel0);
    EXPECT_EQ(st.state.TxWrittenCount, 0);
  }
}

TEST_F(Rs485PollTest, AddressesCycleThroughTheIdleFrame) {
  StartPolling();
  st.state.LinkAge = {};
  st.state.LinkAge[4] = 254;  // one byte: held at 255, never wrapped to a fresh 0
  const int expected[] = {1, 2, 3, 4, 0, 1, 2, 3, 4, 0, 1};
  for (int tick = 0; tick < 11; ++tick) {
    const int a = expected[tick];
    const bool lamp = st.form.Image[20].Visible;
    st.form.StatusBar1[1].Text = "55 ";
    const Bytes frame = Poll().value();
    EXPECT_EQ(link.poll.PollAddress, a) << tick;
    if (a == 0) {
      EXPECT_EQ(frame, Bytes(5, 0xAA));
      EXPECT_EQ(Panel(0), "AA AA AA AA");
      EXPECT_EQ(st.form.Image[20].Visible, lamp);
      EXPECT_EQ(Panel(1), "55 ");
    } else {
      EXPECT_EQ(frame[2], a);
      EXPECT_NE(st.form.Image[20].Visible, lamp);
      EXPECT_EQ(Panel(1), "");
    }
  }
  EXPECT_EQ(st.state.LinkAge[0], 0);
  EXPECT_EQ(st.state.LinkAge[1], 3);
  EXPECT_EQ(st.state.LinkAge[3], 2);
  EXPECT_EQ(st.state.LinkAge[4], 255);
}

TEST_F(Rs485PollTest, NoFrameIsBuiltUnlessPollingRuns) {
  for (const auto state : {monitor::Rs485Polling::NotStarted, monitor::Rs485Polling::Stopped}) {
    st.state.Rs485State = state;
    link.poll.PollAddress = 2;
    EXPECT_EQ(Poll(), std::nullopt) << monitor::Rs485PollingText(state);
    EXPECT_EQ(link.poll.PollAddress, 2);
    EXPECT_EQ(st.state.LinkAge[3], 0);
    EXPECT_EQ(Panel(0), "Передано");
  }
}

TEST_F(Rs485PollTest, AnswersAreTakenOnlyWhenEveryTestHolds) {
  struct Case {
    const char* name;
    int poll_address;
    Bytes bytes;
    bool taken;
  };
  Bytes extra = Answer(2, 0, 0x10, 0);
  extra.insert(extra.end(), {0x55, 0x03});
  Bytes wrong_start = Answer(2, 0, 0x10, 0);
  wrong_start[0] = 0x54;
  Bytes short_frame = Answer(2, 0, 0x10, 0);
  short_frame.pop_back();
  Bytes no_start_in_sum = Answer(2, 0, 0x10, 0);
  no_start_in_sum[5] = static_cast<std::uint8_t>(no_start_in_sum[5] - 0x55);
  const std::vector<Case> cases = {
      {"good", 2, Answer(2, 0, 0x10, 0), true},
      {"checksum wraps", 1, Answer(1, 0xC0, 0xFF, 0xFF), true},
      {"extra bytes", 2, extra, true},
      {"wrong start", 2, wrong_start, false},
      {"short", 2, short_frame, false},
      {"start byte only", 2, {0x55}, false},
      {"wrong address", 3, Answer(2, 0, 0x10, 0), false},
      {"checksum without start byte", 2, no_start_in_sum, false},
      {"address 0 after the idle frame", 0, Answer(0, 0xC0, 0x10, 0), false},
  };
  for (const Case& c : cases) {
    st.state.RxRs485 = {};
    st.state.LinkAge.fill(77);
    st.state.OutputState = {};
    link.Rs485RxBuffer.fill(0xEE);
    link.poll.PollAddress = static_cast<std::uint8_t>(c.poll_address);
    Receive(c.bytes);

    EXPECT_EQ(Panel(1).size(), 3 * c.bytes.size()) << c.name;  // every read is shown
    EXPECT_EQ(st.state.RxRs485.NewData, c.taken ? 1 : 0) << c.name;
    const int channel = c.poll_address;
    if (c.taken) {
      EXPECT_EQ(st.state.RxRs485.Channel, channel) << c.name;
      EXPECT_EQ(st.state.LinkAge[channel], 0) << c.name;
      EXPECT_EQ(link.Rs485RxBuffer, decltype(link.Rs485RxBuffer){}) << c.name;
    } else {
      EXPECT_EQ(st.state.RxRs485.Channel, 0) << c.name;
      EXPECT_EQ(st.state.RxRs485.Bits, "") << c.name;
      for (int slot = 0; slot <= 16; ++slot) {
        EXPECT_EQ(st.state.LinkAge[slot], 77) << c.name;
        EXPECT_EQ(st.state.OutputState[slot].P1 + st.state.OutputState[slot].P2, 0) << c.name;
      }
      EXPECT_EQ(link.Rs485RxBuffer[0], c.bytes[0]) << c.name;  // not cleared
    }
  }
}

TEST_F(Rs485PollTest, AnAcceptedAnswerFillsTheSetOutputsAndAge) {
  link.poll.PollAddress = 2;
  st.state.LinkAge[2] = 33;
  Receive(Answer(2, 0x80, 0x10, 0x00));
  EXPECT_EQ(Panel(1), "55 02 80 10 00 E7 ");
  EXPECT_EQ(st.state.RxRs485.Channel, 2);
  EXPECT_EQ(st.state.RxRs485.Bits, "0000100000000000");
  EXPECT_EQ(st.state.RxRs485.Word, 0x1000);
  EXPECT_EQ(st.state.LinkAge[2], 0);

  // Signal 1 is bit 8 of the word, signal 9 bit 0; outputs are bits 7 and 6 of byte 2.
  struct Case {
    std::uint8_t outputs, low, high;
    std::string bits;
    std::uint16_t word;
    std::uint8_t p1, p2;
  };
  const std::vector<Case> cases = {
      {0x40, 0x01, 0x00, "1000000000000000", 0x0100, 0, 1},
      {0xC0, 0x80, 0x01, "0000000110000000", 0x8001, 1, 1},
      {0x3F, 0x00, 0x80, "0000000000000001", 0x0080, 0, 0},
      {0x80, 0xFF, 0xFF, "1111111111111111", 0xFFFF, 1, 0},
  };
  for (const Case& c : cases) {
    st.state.RxRs485.NewData = false;
    Receive(Answer(2, c.outputs, c.low, c.high));
    EXPECT_TRUE(st.state.RxRs485.NewData);
    EXPECT_EQ(st.state.RxRs485.Bits, c.bits);
    EXPECT_EQ(st.state.RxRs485.Word, c.word);
    EXPECT_EQ(st.state.OutputState[2].P1, c.p1) << c.bits;
    EXPECT_EQ(st.state.OutputState[2].P2, c.p2) << c.bits;
  }
}

TEST_F(Rs485PollTest, TheDecoderReadsOnlyWithinTheBuffer) {
  link.poll.PollAddress = 1;
  const Bytes good = Answer(1, 0, 1, 0);
  std::copy(good.begin(), good.end(), link.Rs485RxBuffer.begin());

  link.Rs485RxCount = -1;
  links::DecodeRs485Answer(st, link);
  EXPECT_EQ(Panel(1), "Принято");
  EXPECT_FALSE(st.state.RxRs485.NewData);

  link.Rs485RxCount = 1000;  // counts as the 31 bytes the buffer holds
  links::DecodeRs485Answer(st, link);
  EXPECT_EQ(Panel(1).size(), 3 * links::kRs485RxMax);
  EXPECT_TRUE(st.state.RxRs485.NewData);
}

TEST_F(Rs485PollTest, Timer2NeedsTheWholeAnswerInOneRead) {
  link.poll.PollAddress = 3;
  const Bytes answer = Answer(3, 0, 0x04, 0);
  fakes.rs485.arrivals.push_back(Bytes(answer.begin(), answer.begin() + 4));
  fakes.rs485.arrivals.push_back(Bytes(answer.begin() + 4, answer.end()));
  links::Timer2Timer(st, link);
  links::Timer2Timer(st, link);
  EXPECT_EQ(Panel(1), "00 5C ");  // the tail alone fails the start-byte test
  EXPECT_FALSE(st.state.RxRs485.NewData);

  fakes.rs485.arrivals.push_back(answer);
  links::Timer2Timer(st, link);
  EXPECT_TRUE(st.state.RxRs485.NewData);
  EXPECT_EQ(st.state.RxRs485.Bits, "0010000000000000");
}

TEST_F(Rs485PollTest, RandomBytesNeverCrashAndOnlyValidFramesAreTaken) {
  std::mt19937 rng(20261210);
  auto byte = [&rng] { return static_cast<std::uint8_t>(rng() & 0xFF); };
  int taken = 0;
  for (int i = 0; i < 20000; ++i) {
    const std::size_t length = rng() % 32;
    const auto poll_address = static_cast<std::uint8_t>(rng() % 5);
    for (auto& b : link.Rs485RxBuffer) b = byte();  // bytes beyond the count must not matter
    if (rng() % 2 == 0) {  // often close to a frame, so that every test gets reached
      auto& rx = link.Rs485RxBuffer;
      rx[0] = rng() % 8 != 0 ? 0x55 : byte();
      rx[1] = static_cast<std::uint8_t>(rng() % 6);
      rx[5] = static_cast<std::uint8_t>(rx[0] + rx[1] + rx[2] + rx[3] + rx[4]);
      if (rng() % 4 == 0) rx[5] = byte();
    }
    const auto rx = link.Rs485RxBuffer;
    const bool valid = length >= 6 && rx[0] == 0x55 && rx[1] == poll_address && poll_address != 0 &&
                       rx[5] == static_cast<std::uint8_t>(rx[0] + rx[1] + rx[2] + rx[3] + rx[4]);
    st.state.RxRs485 = {};
    st.state.LinkAge.fill(9);
    link.poll.PollAddress = poll_address;
    link.Rs485RxCount = static_cast<std::int32_t>(length);
    links::DecodeRs485Answer(st, link);

    ASSERT_EQ(st.state.RxRs485.NewData, valid ? 1 : 0) << i;
    if (valid) {
      ++taken;
      ASSERT_EQ(st.state.RxRs485.Channel, poll_address);
      ASSERT_EQ(st.state.RxRs485.Word, rx[3] * 256 + rx[4]);
      ASSERT_EQ(st.state.LinkAge[poll_address], 0);
    } else {
      ASSERT_EQ(st.state.RxRs485.Channel, 0) << i;
      ASSERT_EQ(std::count(st.state.LinkAge.begin(), st.state.LinkAge.end(), 9), 17) << i;
      ASSERT_EQ(link.Rs485RxBuffer, rx) << i;
    }
  }
  EXPECT_GT(taken, 500);  // the valid path was exercised, not only rejections
}

TEST_F(Rs485PollTest, StartAsksAndPollsOnlyAfterOk) {
  const std::string no_operator = "Не выбрана фамилия оператора.Продолжить ? ";
  const std::string begin = "Начать опрос?";
  struct Case {
    const char* name;
    const char* operator_text;
    std::vector<bool> answers;
    std::vector<std::string> boxes;
    bool started;
  };
  const std::vector<Case> cases = {
      {"operator chosen, OK", "Иванов", {true}, {begin}, true},
      {"operator chosen, Cancel", "Иванов", {false}, {begin}, false},
      {"no operator, Cancel", "Оператор", {false}, {no_operator}, false},
      {"no operator, OK then Cancel", "Оператор", {true, false}, {no_operator, begin}, false},
      {"no operator, OK twice", "Оператор", {true, true}, {no_operator, begin}, true},
  };
  for (const Case& c : cases) {
    fakes.dialogs.boxes.clear();
    fakes.dialogs.confirm_answers.assign(c.answers.begin(), c.answers.end());
    st.state.Rs485State = monitor::Rs485Polling::NotStarted;
    st.state.LinkAge.fill(5);
    st.form.Timer1.Enabled = false;
    st.form.Edit20.Text = "3";
    std::filesystem::remove(st.File("paut.txt"));
    st.form.ComboBox1.Text = c.operator_text;

    links::BitBtn20Click(st, link);

    std::vector<std::string> texts;
    for (const auto& box : Confirms()) texts.push_back(box.text);
    EXPECT_EQ(texts, c.boxes) << c.name;
    EXPECT_EQ(st.state.Rs485State,
              c.started ? monitor::Rs485Polling::Running : monitor::Rs485Polling::NotStarted)
        << c.name;
    EXPECT_EQ(st.form.Timer1.Enabled, c.started) << c.name;
    for (int ch = 1; ch <= 4; ++ch) EXPECT_EQ(st.state.LinkAge[ch], 110) << c.name;
    EXPECT_EQ(st.state.LinkAge[5], 5) << c.name;
    EXPECT_EQ(fakes.folder.Read("paut.txt"), "3\r\n") << c.name;
  }
  const auto boxes = Confirms();
  EXPECT_EQ(boxes[0].caption, "Запуск программы");
  EXPECT_EQ(boxes[1].caption, "Управление передачей  по RS485");
  EXPECT_EQ(boxes[1].icon, BoxIcon::Question);
  EXPECT_EQ(boxes[0].icon, BoxIcon::Question);
}

TEST_F(Rs485PollTest, StartOpensThePortsOnlyWhileTheyAreClosed) {
  st.form.Timer2.Enabled = false;
  fakes.dialogs.confirm_answers = {false};
  links::BitBtn20Click(st, link);  // opened before the operator is asked; Cancel keeps it
  EXPECT_TRUE(st.state.PortOpen);
  EXPECT_EQ(st.core.PortName, "com1");
  EXPECT_EQ(fakes.rs485.open_calls, 1);
  EXPECT_TRUE(st.form.Timer2.Enabled);

  st.form.Timer2.Enabled = false;
  links::BitBtn20Click(st, link);
  EXPECT_EQ(fakes.rs485.open_calls, 1);
  EXPECT_EQ(fakes.modem.open_calls, 1);
  EXPECT_TRUE(st.form.Timer2.Enabled);  // switched on by the confirmed start
}

TEST_F(Rs485PollTest, StopEndsTheAlarmScheduleAndGreysTheFrames) {
  auto pending_alarm = [this] {
    st.state.Rs485State = monitor::Rs485Polling::Running;
    st.state.SmsAlarmArmed = true;
    st.state.SirenOn = true;
    st.state.SmsSendProgress = 40;
    st.state.SmsAlarmText = "ALARM ";
    st.form.Gauge1.Progress = 40;
    st.form.Image[20].Visible = true;
    st.form.Timer1.Enabled = true;
    st.form.Timer2.Enabled = true;
    st.state.LinkAge.fill(3);
  };
  pending_alarm();
  fakes.dialogs.confirm_answers = {false};
  links::BitBtn21Click(st, link);
  EXPECT_EQ(st.state.Rs485State, monitor::Rs485Polling::Running);
  EXPECT_TRUE(st.state.SmsAlarmArmed);
  EXPECT_TRUE(st.state.SirenOn);
  EXPECT_TRUE(st.form.Image[20].Visible);
  EXPECT_EQ(st.state.LinkAge[1], 3);

  links::BitBtn21Click(st, link);
  ASSERT_EQ(Confirms().size(), 2u);
  EXPECT_EQ(Confirms()[1].text, "Прекратить опрос?");
  EXPECT_EQ(Confirms()[1].caption, "Управление передачей по RS485 ");
  EXPECT_EQ(Confirms()[1].icon, BoxIcon::Question);
  EXPECT_EQ(st.state.Rs485State, monitor::Rs485Polling::Stopped);
  EXPECT_FALSE(st.state.SmsAlarmArmed);
  EXPECT_FALSE(st.state.SirenOn);
  EXPECT_EQ(st.state.SmsSendProgress, 0);
  EXPECT_FALSE(st.form.Image[20].Visible);
  for (int c = 1; c <= 4; ++c) EXPECT_EQ(st.state.LinkAge[c], 120) << c;
  EXPECT_EQ(st.state.LinkAge[5], 3);
  EXPECT_EQ(st.state.SmsAlarmText, "ALARM ");  // left for the alarm-SMS cancel
  EXPECT_EQ(st.form.Gauge1.Progress, 40);
  EXPECT_TRUE(st.form.Timer1.Enabled);
  EXPECT_TRUE(st.form.Timer2.Enabled);
}

TEST_F(Rs485PollTest, AStopAndANewStartContinueTheCycle) {
  st.form.ComboBox1.Text = "Иванов";
  links::BitBtn20Click(st, link);
  Poll();
  Poll();
  links::BitBtn21Click(st, link);
  EXPECT_EQ(Poll(), std::nullopt);
  links::Timer1Timer(st, link);
  EXPECT_EQ(Panel(2), "СТОП");
  EXPECT_TRUE(st.form.Timer1.Enabled);  // stop leaves the modem jobs their ticks
  links::BitBtn20Click(st, link);
  EXPECT_EQ(Poll().value()[2], 3);
}

TEST_F(Rs485PollTest, Timer1TakesItsIntervalFromEdit20) {
  struct Case {
    const char* text;
    int interval;  // after the tick; 2051 = the design value kept
  };
  const std::vector<Case> cases = {
      {"1", 1000},
      {"5", 5000},
      {"  7", 7000},
      {"$A", 10000},
      {"0", 1000},
      {"-4", 1000},
      {"", 2051},
      {"abc", 2051},
      {"3 ", 2051},
      {"2,5", 2051},
      {"99999999", 2147483000},
  };
  for (const Case& c : cases) {
    st.form.Timer1 = {false, 2051};
    st.form.Edit20.Text = c.text;
    links::Timer1Timer(st, link);
    EXPECT_EQ(st.form.Timer1.Interval, c.interval) << '"' << c.text << '"';
    EXPECT_TRUE(st.form.Timer1.Enabled) << c.text;
  }
  EXPECT_EQ(Panel(2), "");  // never started: the empty poll state
  StartPolling();
  links::Timer1Timer(st, link);
  EXPECT_EQ(Panel(2), "ПУСК");
}

}  // namespace
