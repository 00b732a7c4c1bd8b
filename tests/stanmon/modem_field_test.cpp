// The whole console in virtual time over a simulated modem that behaves as field
// modems do: its echo on, answers late, an empty slot answered with a bare OK.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "monitor/console_form.h"
#include "tests/stanmon/field_desk.h"

namespace {

using testing_support::FieldDesk;
using testing_support::kObject7;
using testing_support::kObject9;
using testing_support::SimModem;

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

// A line that drops while a read waits: the read ends and waits to be asked
// again; once the line is back the message is read, and the operator's output
// command goes out after it.
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
  EXPECT_EQ(console.link().modem.ModemRequest, links::ModemJob::ReadQueued);
  EXPECT_EQ(console.state().SmsIndex, "4");
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

// A SIM busy for a moment holds every answer from the read of slot 3 on for 9 s,
// while a notice for slot 4 waits. The read of 3 is given up, but its late answer
// is never taken for slot 4's: each report is applied, charged and deleted once.
TEST_F(ModemField, ALateAnswerIsNeverTakenForAnotherSlots) {
  modem.Deliver("3", Report(kObject7, "1000000000000000"), time.Now());
  modem.Deliver("4", Report(kObject9, "0100000000000000"), time.Now());
  modem.on_command = [&](const std::string& line, std::int64_t now) {
    if (line == "AT+CMGR=3") modem.hold_answers_until_ms = now + 9000;
  };
  time.Advance(200000);
  for (const char* slot : {"3", "4"}) {
    SCOPED_TRACE(slot);
    EXPECT_EQ(modem.Count(std::string("AT+CMGD=") + slot), 1);
  }
  EXPECT_TRUE(modem.slots.empty());
  EXPECT_EQ(console.form().StringGrid3.Cells(3, 7), "98");
  EXPECT_EQ(console.form().StringGrid3.Cells(3, 9), "98");
  EXPECT_EQ(ArchiveHolds("07_01 Вкл"), 1);
  EXPECT_EQ(ArchiveHolds("09_02 Вкл"), 1);
}

// A read that ends without a judged answer is asked again, up to three reads,
// after which the slot is left on the SIM and the operator told once.
TEST_F(ModemField, AReadCutShortIsReadAgain) {
  const struct {
    const char* name;
    std::function<void(FieldDesk&)> modem;  // how the modem is set up
    std::function<void(FieldDesk&)> fault;  // just after the first read went out
    int reads;                              // of slot 12
    bool read_whole;
  } cases[] = {
      {"a call, and the answer with it", [](FieldDesk& d) { d.modem.answer_delay_ms = 300; },
       [](FieldDesk& d) { d.modem.Say("\r\nRING\r\n", d.time.Now() + 290); }, 1, true},
      {"the header, then silence", [](FieldDesk& d) { d.modem.half_answers["12"] = 1; },
       [](FieldDesk&) {}, 2, true},
      {"a restart", [](FieldDesk& d) { d.modem.answer_delay_ms = 2000; },
       [](FieldDesk& d) {
         d.time.Advance(1000);
         d.modem.Restart(d.time.Now());
         d.modem.answer_delay_ms = 0;
       },
       2, true},
      {"never answered", [](FieldDesk& d) { d.modem.unanswered_slots = {"12"}; }, [](FieldDesk&) {},
       3, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FieldDesk desk;
    desk.modem.slots["12"] = Report(kObject7, "1000000000000000");
    c.modem(desk);
    desk.modem.Say("\r\n+CMTI: \"SM\",12\r\n", desk.time.Now());
    ASSERT_TRUE(desk.AdvanceUntil([&] { return desk.modem.Count("AT+CMGR=12") > 0; }, 5000));
    c.fault(desk);
    desk.time.Advance(120000);
    EXPECT_EQ(desk.modem.Count("AT+CMGR=12"), c.reads);
    EXPECT_EQ(desk.modem.Count("AT+CMGD=12"), c.read_whole ? 1 : 0);
    EXPECT_EQ(desk.console.form().StringGrid3.Cells(3, 7), c.read_whole ? "98" : "100");
    EXPECT_EQ(desk.Panel5().ends_with(" Не прочитано SMS 12"), !c.read_whole);
    EXPECT_EQ(desk.console.link().modem.notified.count, 0u);
  }
}

// The text of an SMS goes only after its own prompt, on the line as it is now:
// with the adapter pulled out and another modem behind it, or the command
// refused, ESC goes instead and the SMS is recorded or shown as not sent.
TEST_F(ModemField, AnSmsTheModemDidNotTakeIsNotRecordedAsSent) {
  enum class Kind { Alarm, Control, Manual };
  enum class Fault { LineReplaced, Refused };
  const struct {
    const char* name;
    Kind kind;
    Fault fault;
    std::string not_sent;  // the archive line, or the end of status panel 5
  } cases[] = {
      {"alarm, line replaced", Kind::Alarm, Fault::LineReplaced,
       "Не отправлен SMS запрос на телефон поддержки : 9123456780"},
      {"alarm, refused", Kind::Alarm, Fault::Refused,
       "Не отправлен SMS запрос на телефон поддержки : 9123456780"},
      {"control, line replaced", Kind::Control, Fault::LineReplaced,
       " Не отправлено SMS: 9123456707"},
      {"control, refused", Kind::Control, Fault::Refused, " Не отправлено SMS: 9123456707"},
      {"operator's, line replaced", Kind::Manual, Fault::LineReplaced,
       " Не отправлено SMS 9005556677"},
      {"operator's, refused", Kind::Manual, Fault::Refused, " Не отправлено SMS 9005556677"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FieldDesk desk;
    desk.modem.refuse_sms = c.fault == Fault::Refused;
    const auto fault = [&] {
      if (c.fault == Fault::LineReplaced) {
        desk.time.Advance(c.kind == Kind::Control ? 500 : 1000);
        desk.ReplugAfter(c.kind == Kind::Control ? 1000 : 3000);
      }
    };
    switch (c.kind) {
      case Kind::Alarm:
        ASSERT_TRUE(desk.StartAlarmSms());
        fault();
        desk.time.Advance(20000);
        EXPECT_EQ(desk.ArchiveHolds(c.not_sent), 1);
        EXPECT_EQ(desk.ArchiveHolds(" Отправлен SMS"), 0);
        break;
      case Kind::Control:
        ASSERT_TRUE(desk.StartControlSms());
        fault();
        desk.time.Advance(10000);
        EXPECT_TRUE(desk.Panel5().ends_with(c.not_sent)) << desk.Panel5();
        break;
      case Kind::Manual:
        desk.fakes.dialogs.text_answers = {std::string("9005556677"), std::string("hello")};
        desk.fakes.dialogs.while_next_box_open = [&] {
          desk.fakes.dialogs.while_next_box_open = [&] {
            desk.time.Advance(200);  // the prompt, or the refusal
            fault();
          };
        };
        desk.console.Click("SMS1");
        desk.time.Advance(10000);
        EXPECT_EQ(desk.Panel5(), c.not_sent);
        break;
    }
    EXPECT_TRUE(desk.modem.sent.empty());
    EXPECT_FALSE(desk.modem.InPrompt());
    for (const std::string& command : desk.modem.commands) {
      EXPECT_TRUE(command.starts_with("AT")) << "typed in as a command: " << command;
    }
  }
}

// A read answered with its header alone, then another command's final result:
// that result is not the read's, so nothing is deleted and the slot is read again.
TEST_F(ModemField, AReadCutShortIsNotEndedByAnotherCommandsAnswer) {
  const struct {
    const char* name;
    const char* control;  // the operator's command while the read waits
    const char* typed;    // into its input box, if it has one
  } cases[] = {{"an OK", "AT1", nullptr}, {"an ERROR", "N19", "AT+BOGUS"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FieldDesk desk;
    desk.modem.slots["12"] = Report(kObject7, "1000000000000000");
    desk.modem.half_answers["12"] = 1;
    desk.modem.Say("\r\n+CMTI: \"SM\",12\r\n", desk.time.Now());
    ASSERT_TRUE(desk.AdvanceUntil([&] { return desk.modem.Count("AT+CMGR=12") > 0; }, 5000));
    desk.time.Advance(300);  // the header has come
    if (c.typed != nullptr) desk.fakes.dialogs.text_answers.push_back(std::string(c.typed));
    desk.console.Click(c.control);
    desk.time.Advance(60000);
    EXPECT_EQ(desk.modem.Count("AT+CMGR=12"), 2);
    EXPECT_EQ(desk.modem.Count("AT+CMGD=12"), 1);
    EXPECT_TRUE(desk.modem.deleted_unread.empty());
    EXPECT_EQ(desk.console.form().StringGrid3.Cells(3, 7), "98");
  }
}

// The answer to a delete is lost, and a new message comes into the freed slot:
// the slot is read again before anything is deleted, and each message is applied,
// charged and deleted once.
TEST_F(ModemField, ADeleteWhoseAnswerIsLostDeletesNoNewMessage) {
  modem.slots["12"] = Report(kObject7, "1000000000000000");
  bool landed = false;
  modem.on_command = [&](const std::string& line, std::int64_t now) {
    if (line != "AT+CMGD=12" || landed) return;
    modem.hold_answers_until_ms = now + 15000;  // the OK comes after the console gave up
    landed = true;
  };
  modem.Say("\r\n+CMTI: \"SM\",12\r\n", time.Now());
  ASSERT_TRUE(AdvanceUntil([&] { return landed; }, 10000));
  time.Advance(14000);
  modem.Deliver("12", Report(kObject9, "0100000000000000"), time.Now());
  time.Advance(60000);
  EXPECT_TRUE(modem.deleted_unread.empty());
  EXPECT_TRUE(modem.slots.empty());
  EXPECT_EQ(console.form().StringGrid3.Cells(3, 7), "98");
  EXPECT_EQ(console.form().StringGrid3.Cells(3, 9), "98");
}

// A message already applied, whose delete the modem refused as often as the
// console tries, stays on the SIM; read again, it is deleted, and not applied and
// charged a second time.
TEST_F(ModemField, AMessageReadAgainAfterRefusedDeletesIsChargedOnce) {
  modem.slots["12"] = Report(kObject7, "1000000000000000");
  modem.refused_deletes = 3;
  modem.Say("\r\n+CMTI: \"SM\",12\r\n", time.Now());
  time.Advance(30000);
  EXPECT_TRUE(Panel5().ends_with(" Не удалено SMS 12")) << Panel5();
  ASSERT_EQ(modem.slots.count("12"), 1u);
  fakes.dialogs.text_answers.push_back(std::string("12"));
  console.Click("SMS2");
  time.Advance(30000);
  EXPECT_TRUE(modem.slots.empty());
  EXPECT_EQ(modem.Count("AT+CMGR=12"), 2);
  EXPECT_EQ(console.form().StringGrid3.Cells(3, 7), "98");
  EXPECT_EQ(ArchiveHolds("07_01 Вкл"), 1);
}

// The modem restarts after the prompt and takes nothing while it starts: the
// text typed meanwhile is lost, and the SMS is recorded as not sent once the
// start-up message tells, not as sent when its text went.
TEST_F(ModemField, AnSmsTypedIntoAStartingModemIsRecordedAsNotSent) {
  console.form().Edit2.Text = "9123456780";
  modem.start_up_ms = 1500;
  SignalComesOn();
  ASSERT_TRUE(AdvanceUntil([&] { return modem.Count("AT+CMGS=") > 0; }, 130000));
  // Step 55 comes 5 Timer5 ticks after the command: restart just before it.
  ASSERT_TRUE(AdvanceUntil([&] { return console.state().SmsSendProgress == 54; }, 20000));
  time.Advance(2400);
  modem.Restart(time.Now());
  time.Advance(20000);
  EXPECT_TRUE(modem.sent.empty());
  EXPECT_EQ(ArchiveHolds("Не отправлен SMS запрос на телефон поддержки : 9123456780"), 1);
  EXPECT_EQ(ArchiveHolds(" Отправлен SMS"), 0);
}

// A report that comes into a slot while a read of that slot is on its way: the
// read may find the slot empty, and the notice that came meanwhile is read again.
TEST_F(ModemField, ANoticeThatComesDuringAnEmptyReadOfItsSlotIsReadAgain) {
  modem.answer_delay_ms = 800;
  fakes.dialogs.text_answers.push_back(std::string("19"));
  console.Click("SMS2");
  ASSERT_TRUE(AdvanceUntil([&] { return modem.Count("AT+CMGR=19") > 0; }, 5000));
  modem.Deliver("19", Report(kObject7, "1000000000000000"), time.Now());
  time.Advance(30000);
  EXPECT_EQ(modem.Count("AT+CMGR=19"), 2);
  EXPECT_TRUE(modem.slots.empty());
  EXPECT_EQ(console.form().StringGrid3.Cells(3, 7), "98");
}

// The line is lost while the modem waits for an SMS text, so the ESC that ends
// it is lost too: when the line is back, ESC goes before anything else, and the
// operator's command that waited is no SMS text.
TEST_F(ModemField, AfterTheLineIsBackNoCommandGoesIntoAForgottenSms) {
  console.form().Edit2.Text = "9123456780";
  SignalComesOn();
  ASSERT_TRUE(AdvanceUntil([&] { return modem.Count("AT+CMGS=") > 0; }, 130000));
  time.Advance(500);
  line.down = true;  // the same modem, still waiting for the text
  fakes.dialogs.text_answers.push_back(std::string("AT+CGMI"));
  console.Click("N19");
  time.Advance(15000);  // the text step passes while the line is down
  line.down = false;
  ++line.session;
  time.Advance(10000);
  EXPECT_TRUE(modem.sent.empty());
  EXPECT_EQ(modem.Count("AT+CGMI"), 1);
  EXPECT_EQ(ArchiveHolds("Не отправлен SMS запрос на телефон поддержки : 9123456780"), 1);
}

}  // namespace
