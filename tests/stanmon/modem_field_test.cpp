// The whole console in virtual time over a simulated modem that behaves as field
// modems do: its echo on, answers late, an empty slot answered with a bare OK.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/cp1251.h"
#include "common/timer_bank.h"
#include "monitor/console_form.h"
#include "stanmon/console.h"
#include "tests/support/fakes.h"
#include "tests/support/sim_modem.h"

namespace {

using testing_support::SimModem;

constexpr const char* kObject7 = "9123456707";
constexpr const char* kObject9 = "9123456709";

// The console on a simulated modem, started: "AT" answered, objects 7 and 9
// with their phones and balances, an SMS price of 2.
struct FieldDesk {
  testing_support::FakePorts fakes;
  SimModem modem;
  testing_support::SimModemLine line{modem};
  stanmon::Console console{fakes.PortsWithModem(line)};
  common::VirtualTime time{console.timers()};

  FieldDesk() {
    line.now = [this] { return time.Now(); };
    time.Advance(251 + 500);  // start-up: "AT", answered
    for (const char* phone : {kObject7, kObject9}) {
      const int channel = phone == kObject7 ? 7 : 9;
      console.form().StringGrid3.Cells(2, channel) = phone;
      console.form().StringGrid3.Cells(3, channel) = "100";
      console.state().ChannelPhone[channel] = phone;
    }
    console.form().Edit1.Text = "2";  // the SMS price
  }

  // A report from an object: its 16 signals after the dot.
  static SimModem::Message Report(const std::string& phone, const std::string& signals) {
    return {"+7" + phone, "Obj." + signals};
  }
  std::string Archive() {
    return common::Cp1251ToUtf8(fakes.folder.Read(console.station().core.ArchiveFileName));
  }
  int ArchiveHolds(const std::string& text) {
    const std::string archive = Archive();
    int count = 0;
    for (auto at = archive.find(text); at != std::string::npos; at = archive.find(text, at + 1)) {
      ++count;
    }
    return count;
  }
  std::vector<std::string> Reads() const {
    std::vector<std::string> reads;
    for (const auto& c : modem.commands) {
      if (c.starts_with("AT+CMGR=")) reads.push_back(c.substr(8));
    }
    return reads;
  }
};

struct ModemField : ::testing::Test, FieldDesk {};

TEST_F(ModemField, EchoOnAndALateAnswer_TheReportIsArchivedChargedAndDeletedOnce) {
  modem.answer_delay_ms = 300;
  modem.Deliver("3", Report(kObject7, "1000000000000000"), time.Now());
  time.Advance(20000);
  EXPECT_EQ(modem.Count("AT+CMGR=3"), 1);
  EXPECT_EQ(modem.Count("AT+CMGD=3"), 1);
  EXPECT_TRUE(modem.slots.empty());
  EXPECT_EQ(ArchiveHolds("07_01 Вкл"), 1);
  EXPECT_EQ(console.form().StringGrid3.Cells(3, 7), "98");
}

// A modem flushing its stored notices sends them as one stream at line speed,
// which the line hands over in pieces however it is cut: every notified slot is
// read, applied, charged and deleted once.
TEST_F(ModemField, NoticesStreamedAtLineSpeedAreEachReadOnce) {
  const struct {
    std::size_t piece;  // bytes a piece
    int gap_ms;         // between pieces
  } cuts[] = {{10, 10}, {17, 13}, {1, 1}, {64, 60}};
  for (const auto& cut : cuts) {
    SCOPED_TRACE(std::to_string(cut.piece) + " bytes every " + std::to_string(cut.gap_ms) + " ms");
    FieldDesk field;
    std::string stream;
    for (int slot = 10; slot <= 49; ++slot) {
      const char* phone = slot % 2 == 0 ? kObject7 : kObject9;
      field.modem.slots[std::to_string(slot)] = Report(phone, "1000000000000000");
      stream += "\r\n+CMTI: \"SM\"," + std::to_string(slot) + "\r\n";
    }
    std::int64_t at = field.time.Now();
    for (std::size_t from = 0; from < stream.size(); from += cut.piece, at += cut.gap_ms) {
      field.modem.Say(stream.substr(from, cut.piece), at);
    }
    field.time.Advance(200000);
    for (int slot = 10; slot <= 49; ++slot) {
      SCOPED_TRACE(slot);
      EXPECT_EQ(field.modem.Count("AT+CMGR=" + std::to_string(slot)), 1);
      EXPECT_EQ(field.modem.Count("AT+CMGD=" + std::to_string(slot)), 1);
    }
    EXPECT_TRUE(field.modem.slots.empty());
    EXPECT_EQ(field.console.form().StringGrid3.Cells(3, 7), "60");
    EXPECT_EQ(field.console.form().StringGrid3.Cells(3, 9), "60");
  }
}

// A modem that never answers slot 9: its read ends by itself and the sweep goes
// on to slots 8..1, deleting nothing.
TEST_F(ModemField, AReadNeverAnsweredEndsAndTheSweepGoesOn) {
  modem.unanswered_slots = {"9"};
  modem.Say("^SYSSTART\r\n", time.Now());
  time.Advance(120000);
  EXPECT_EQ(Reads(), (std::vector<std::string>{"9", "8", "7", "6", "5", "4", "3", "2", "1"}));
  EXPECT_EQ(modem.Count("AT+CMGD="), 0);
  EXPECT_EQ(console.link().modem.ModemRequest, links::ModemJob::Idle);
}

// A line that drops while a read waits: the job ends, and the operator's output
// command goes out once the line is back; the unread message is found again.
TEST_F(ModemField, AReadLostWithTheLineEndsAndTheControlSmsGoesOn) {
  modem.answer_delay_ms = 300;
  modem.Deliver("4", Report(kObject9, "0000000000000001"), time.Now());
  time.Advance(2200);  // the read goes out; its answer would come 0.3 s later
  ASSERT_EQ(modem.Count("AT+CMGR=4"), 1);
  line.down = true;
  const int box = monitor::OutputBoxP1(7);
  console.form().CheckBox[box].Checked = true;
  console.Click("CheckBox" + std::to_string(box));
  time.Advance(40000);
  EXPECT_EQ(console.link().modem.ModemRequest, links::ModemJob::Idle);
  line.down = false;
  time.Advance(150000);
  EXPECT_EQ(modem.sent, (std::vector<SimModem::Sms>{{"+7" + std::string(kObject7), "+1R"}}));
  EXPECT_EQ(modem.Count("AT+CMGD=4"), 1);
  EXPECT_EQ(console.form().StringGrid3.Cells(3, 9), "98");
}

// While the modem waits for an SMS text, nothing else goes out: a notice 0.2 s
// after each "AT+CMGS=" (the control SMS, then the alarm SMS to both support
// phones) is read once the text has gone.
TEST_F(ModemField, NothingGoesIntoAnOpenSmsPrompt) {
  modem.answer_delay_ms = 150;
  console.form().Edit2.Text = "9123456789";
  console.form().Edit19.Text = "9876543210";
  std::vector<std::string> events;  // SMS sent and command lines, in order
  std::vector<std::string> notified = {"13", "12", "11"};
  std::size_t commands_seen = modem.commands.size();
  const auto run = [&](int ms) {
    for (int t = 0; t < ms; t += 50) {
      const std::size_t sms_before = modem.sent.size();
      time.Advance(50);
      if (modem.sent.size() > sms_before) events.push_back("SMS " + modem.sent.back().number);
      for (; commands_seen < modem.commands.size(); ++commands_seen) {
        const std::string& c = modem.commands[commands_seen];
        events.push_back(c);
        if (c.starts_with("AT+CMGS=") && !notified.empty()) {
          events.push_back("notice " + notified.back());
          modem.Deliver(notified.back(), Report(kObject9, "0000000000000000"), time.Now() + 200);
          notified.pop_back();
        }
      }
    }
  };
  const int box = monitor::OutputBoxP1(7);
  console.form().CheckBox[box].Checked = true;
  console.Click("CheckBox" + std::to_string(box));
  run(20000);
  console.state().RxRs485 = {2, "0000100000000000", 0x0800, 1};  // signal 5 of object 2 comes on
  run(260000);

  EXPECT_EQ(modem.sent,
            (std::vector<SimModem::Sms>{
                {"+79123456707", "+1R"}, {"+79123456789", " 02-05"}, {"+79876543210", " 02-05"}}));
  for (const std::string slot : {"11", "12", "13"}) {
    SCOPED_TRACE(slot);
    EXPECT_EQ(modem.Count("AT+CMGR=" + slot), 1);
    EXPECT_EQ(modem.Count("AT+CMGD=" + slot), 1);
    const auto at = [&](const std::string& e) {
      return std::find(events.begin(), events.end(), e);
    };
    const auto notice = at("notice " + slot);
    ASSERT_NE(notice, events.end());
    const auto sms = std::find_if(notice, events.end(),
                                  [](const std::string& e) { return e.starts_with("SMS "); });
    EXPECT_LT(sms, at("AT+CMGR=" + slot)) << "read before the text of the SMS it followed";
  }
  EXPECT_EQ(console.form().StringGrid3.Cells(3, 9), "94");
}

}  // namespace
