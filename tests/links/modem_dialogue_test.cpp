// The modem dialogue: recogniser answers, job dispatch, SIM sweep, menu commands.
#include "links/modem_job.h"
#include "links/modem_menu.h"
#include "links/modem_recogniser.h"
#include "links/timer6_timer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "monitor/modem_output.h"
#include "monitor/timer3_timer.h"
#include "tests/links/modem_rig.h"

namespace {

using testing_support::ModemRig;

struct ModemTest : ::testing::Test, ModemRig {};

// ---- Recogniser answers ----

struct AnswerCase {
  const char* name;
  links::ModemJob request;  // ModemRequest before the read
  std::string bytes;
  std::string panel4;
  links::ModemJob request_after;
  int countdown;
  bool cleared;
  int ready;
};

TEST_F(ModemTest, ModemRecogniserAnswersAtTheirBytePositions) {
  using enum links::ModemJob;
  const AnswerCase cases[] = {
      {"start-up, byte 0 unexamined", Reading, "^SYSSTART\r\n", "START", Idle, 10, true, 0},
      {"start-up cut short", Reading, "^SYSSTART\r", "^SYSSTART", Reading, 0, false, 0},
      {"ok", DeleteQueued, "\r\nOK\r\n", "OK", DeleteQueued, 10, false, 1},
      {"ok ends a read", Reading, "\r\nOK\r\n", "OK", Idle, 10, false, 1},
      {"ok after echo", Idle, "AT\r\r\nOK\r\n", "OK", Idle, 10, false, 1},
      {"error alone", Reading, "\r\nERROR\r\n", "ERR", Idle, 10, true, 0},
      {"error, bytes 0..1 unexamined", Reading, "xyERROR\r\n", "ERR", Idle, 10, true, 0},
      // An answer belongs to no job still to go out: the job stays.
      {"error before a delete goes", DeleteQueued, "\r\nERROR\r\n", "ERR", DeleteQueued, 10, true,
       0},
      {"error to a delete", Deleting, "\r\nERROR\r\n", "ERR", DeleteQueued, 10, true, 0},
      {"ok to a delete", Deleting, "\r\nOK\r\n", "OK", Idle, 10, false, 1},
      {"empty slot before a read goes", ReadQueued, "\r\n+CMGR: 0,,0\r\n\r\nOK\r\n", "NO SMS",
       ReadQueued, 10, true, 1},
      {"error inside a longer read", Reading, "\r\n+CMS: 1\r\n\r\nERROR\r\n", "", Reading, 0, false,
       0},
      {"empty slot with ok", Reading, "\r\n+CMGR: 0,,0\r\n\r\nOK\r\n", "NO SMS", Idle, 10, true, 1},
      {"empty slot without its CR LF", Idle, "\r\n+CMGR: 0,,0\r\r\n", "", Idle, 0, false, 0},
      {"last line without controls", Reading,
       "ab\r\nc\x05"
       "d",
       "cd", Reading, 0, false, 0},
      {"cp1251 last line", Idle, "\r\n\xC4\xE0", "Да", Idle, 0, false, 0},
  };
  for (const auto& c : cases) {
    ModemRig t;
    t.link.modem.ModemRequest = c.request;
    t.st.form.StatusBar1[4].Text = "old";
    t.Arrive(c.bytes);
    SCOPED_TRACE(c.name);
    EXPECT_EQ(t.Panel(4), c.panel4);
    EXPECT_EQ(t.link.modem.ModemRequest, c.request_after);
    EXPECT_EQ(t.st.state.StatusClearCountdown, c.countdown);
    EXPECT_EQ(t.BufferClear(), c.cleared);
    EXPECT_EQ(t.st.state.ModemReady, c.ready);
    EXPECT_EQ(t.st.form.Image[27].Visible, c.ready == 1);
  }
}

TEST_F(ModemTest, ModemStartUpStartsASweep) {
  st.state.SmsScanSlot = 3;
  Arrive("\nSYSSTART\r\n");
  EXPECT_EQ(st.state.SmsScanSlot, 9);
  EXPECT_EQ(link.modem.ModemRequest, links::ModemJob::Idle);
  EXPECT_EQ(Panel(4), "START");
}

TEST_F(ModemTest, ModemPromptShowsInPanels3And4) {
  Arrive("\r\n> ");
  EXPECT_EQ(Panel(3), ">");
  EXPECT_EQ(Panel(4), "> ");
  EXPECT_EQ(st.state.StatusClearCountdown, 10);
}

TEST_F(ModemTest, ModemPhoneBookEntryGoesToPanel5AndHidesTheOk) {
  Arrive("\r\n+CPBR: 1,\"+79123456789\",145,\"VESK\"\r\n\r\nOK\r\n");
  EXPECT_EQ(Panel(5), "Телефон №1 :+79123456789");
  EXPECT_TRUE(BufferClear());
  EXPECT_FALSE(st.state.ModemReady);
  EXPECT_EQ(st.state.StatusClearCountdown, 0);
  Arrive("\r\n+CPBR: 1,\"+79123456789\",145\r\n");  // 40 bytes or fewer: not taken
  EXPECT_EQ(Panel(5), "Телефон №1 :+79123456789");
  EXPECT_EQ(Panel(4), "");
}

TEST_F(ModemTest, ModemIncomingCallResetsTheModem) {
  Arrive("\r\nRING\r\n");
  EXPECT_EQ(fakes.modem.LastWrite(), "ATZ\r\n");
  EXPECT_EQ(Panel(4), "ЗВОНОК");
  EXPECT_EQ(Panel(3), "-->M");
  EXPECT_TRUE(BufferClear());
  EXPECT_EQ(st.state.StatusClearCountdown, 0);
}

TEST_F(ModemTest, ModemOkHidesTheJobLamp) {
  st.form.Image[19].Visible = true;
  Arrive("\r\nOK\r\n");
  EXPECT_FALSE(st.form.Image[19].Visible);
  EXPECT_TRUE(st.form.Image[27].Visible);
}

// The recogniser looks at 200 bytes of a read; what lies beyond waits for the next
// tick, cut after a line end so that no answer line is split.
TEST_F(ModemTest, ModemBytesBeyond200WaitForTheNextTick) {
  Arrive(std::string(220, 'a') + "\r\nOK\r\n");
  EXPECT_EQ(link.ModemRxCount, 200);
  EXPECT_FALSE(st.state.ModemReady);
  EXPECT_EQ(Panel(4), std::string(200, 'a'));
  links::Timer2Timer(st, link);
  EXPECT_EQ(link.ModemRxCount, 26);
  EXPECT_TRUE(st.state.ModemReady);

  const std::string line(120, 'b');
  Arrive("\r\n" + line + "\r\n" + line + "\r\n+CMTI: \"SM\",12\r\n");
  EXPECT_EQ(link.ModemRxCount, 124);  // up to the line end before byte 200
  links::Timer2Timer(st, link);
  EXPECT_EQ(st.state.SmsIndex, "12");
  EXPECT_EQ(link.modem.ModemRequest, links::ModemJob::ReadQueued);
}

TEST_F(ModemTest, ModemErrorSetsTheCountToZero) {
  link.modem.ModemRequest = links::ModemJob::Reading;
  Arrive("\r\nERROR\r\n");
  EXPECT_EQ(link.ModemRxCount, 0);
  links::DispatchModemJob(st, link);
  EXPECT_TRUE(fakes.modem.writes.empty());  // no delete follows
}

TEST_F(ModemTest, ModemLongIdleReadIsCleared) {
  Arrive(std::string(51, 'x'));
  EXPECT_TRUE(BufferClear());
  link.modem.ModemRequest = links::ModemJob::DeleteQueued;
  Arrive(std::string(51, 'x'));
  EXPECT_FALSE(BufferClear());
}

// ---- New-message notices ----

TEST_F(ModemTest, ModemNoticeQueuesARead) {
  struct Case {
    std::string bytes;
    std::string index;
  };
  const Case cases[] = {
      {"\r\n+CMTI: \"SM\",3", "3"},                             // last bytes of the read
      {"\r\n+CMTI: \"SM\",12\r\n", "12"},                       // two digits
      {"\r\n+CMTI: \"ME\",10\r\n", "10"},                       // a 0 counts as second digit
      {"\r\n+CMTI: \"SM\",4\r\n\r\n+CMTI: \"SM\",5\r\n", "4"},  // the first is read first
  };
  for (const auto& c : cases) {
    ModemRig t;
    t.st.state.SmsScanSlot = 6;
    t.Arrive(c.bytes);
    SCOPED_TRACE(c.bytes);
    EXPECT_EQ(t.st.state.SmsIndex, c.index);
    EXPECT_EQ(t.link.modem.ModemRequest, links::ModemJob::ReadQueued);
    EXPECT_EQ(t.st.state.SmsScanSlot, 0);
    EXPECT_TRUE(t.st.form.Timer1.Enabled);
    EXPECT_EQ(t.Panel(4), "Входящее SMS");
    EXPECT_EQ(t.st.state.StatusClearCountdown, 10);
    EXPECT_TRUE(t.BufferClear());
  }
}

// Line noise in the slot's place: with no slot number it is no notice at all.
TEST_F(ModemTest, ModemNoticeWithoutASlotDigitIsNoNotice) {
  const char noise[] = "\r\n+CMTI: \"SM\",\0\r\n";
  Arrive(std::string(noise, sizeof noise - 1));
  Arrive("\r\n+CMTI: \"SM\",x\r\n");
  EXPECT_EQ(link.modem.ModemRequest, links::ModemJob::Idle);
  EXPECT_EQ(st.state.SmsIndex, "");
  EXPECT_FALSE(st.form.Timer1.Enabled);
}

// A notice waits behind the job in hand instead of replacing it.
TEST_F(ModemTest, ModemNoticeWaitsBehindAPendingDelete) {
  link.modem.ModemRequest = links::ModemJob::DeleteQueued;
  st.state.SmsIndex = "2";
  Arrive("\r\n+CMTI: \"SM\",6\r\n");
  EXPECT_EQ(link.modem.ModemRequest, links::ModemJob::DeleteQueued);
  EXPECT_EQ(st.state.SmsIndex, "2");
  links::DispatchModemJob(st, link);
  links::DispatchModemJob(st, link);  // the read waits for the delete's answer
  Arrive("\r\nOK\r\n");
  links::DispatchModemJob(st, link);
  EXPECT_EQ(Writes(), (std::vector<std::string>{"AT+CMGD=2\r\n", "AT+CMGR=6\r\n"}));
  EXPECT_EQ(link.modem.ModemRequest, links::ModemJob::Reading);
}

// An answer test that clears the read (the start-up message, a phone-book entry,
// a call, an empty slot) still leaves the notice in it queued.
TEST_F(ModemTest, ModemNoticeIsQueuedWhateverElseItsReadHolds) {
  const struct {
    const char* name;
    std::string before;
  } cases[] = {
      {"start-up", "\nSYSSTART\r\n"},
      {"phone-book entry", "\r\n+CPBR: 1,\"+79123456789\",145,\"VESK\"\r\n"},
      {"call", "\r\nRING\r\n"},
      {"empty slot", "\r\n+CMGR: 0,,0\r\n\r\nOK\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ModemRig t;
    t.Arrive(c.before + "\r\n+CMTI: \"SM\",4\r\n");
    EXPECT_EQ(t.Panel(4), "Входящее SMS");
    t.Arrive("\r\nOK\r\n");  // the answer to the reset after a call
    t.fakes.modem.writes.clear();
    links::DispatchModemJob(t.st, t.link);
    if (t.fakes.modem.LastWrite() == "AT+CSQ\r\n") {  // after a restart, a probe first
      t.Arrive("\r\n+CSQ: 17,99\r\n\r\nOK\r\n");
      t.fakes.modem.writes.clear();
      links::DispatchModemJob(t.st, t.link);
    }
    EXPECT_EQ(t.Writes(), std::vector<std::string>{"AT+CMGR=4\r\n"});
  }
}

// However the modem's bytes are cut, a line is examined whole: the rest of a
// line that has begun waits for its line feed.
TEST_F(ModemTest, ModemLineCutByTheLineWaitsForItsEnd) {
  fakes.modem.silent_ms = 0;  // the line is still bringing bytes
  Arrive("\r\n+CMTI: \"SM");
  EXPECT_EQ(link.ModemRxCount, 2);
  Arrive("\",26\r\n\r\n+CM");
  EXPECT_EQ(st.state.SmsIndex, "26");
  EXPECT_EQ(link.ModemRxWaitingCount, 3);
  fakes.modem.silent_ms = 20;  // quiet for a moment: the unfinished line still waits
  links::Timer2Timer(st, link);
  EXPECT_EQ(link.ModemRxWaitingCount, 3);
  Arrive("TI: \"SM\",27\r\n");
  links::DispatchModemJob(st, link);
  Arrive("\r\n+CMGR: 0,,0\r\n\r\nOK\r\n");
  links::DispatchModemJob(st, link);
  EXPECT_EQ(Writes(), (std::vector<std::string>{"AT+CMGR=26\r\n", "AT+CMGR=27\r\n"}));

  ModemRig prompt;  // the prompt is a line of its own: the modem waits after it
  prompt.fakes.modem.silent_ms = 20;
  prompt.Arrive("AT+CMGS=+79123456789\r\r\n> ");
  EXPECT_EQ(prompt.link.ModemRxWaitingCount, 0);
  ModemRig silent;  // a line no more bytes follow is examined as it stands
  silent.fakes.modem.silent_ms = 200;
  silent.Arrive("\r\n+CMTI: \"SM\",3");
  EXPECT_EQ(silent.st.state.SmsIndex, "3");
}

// ---- Job dispatch ----

TEST_F(ModemTest, ModemDispatchSendsTheReadOfTheSlot) {
  link.modem.ModemRequest = links::ModemJob::ReadQueued;
  st.state.SmsIndex = "0";
  st.form.Image[27].Visible = true;
  link.ModemRxBuffer[0] = 'x';
  links::DispatchModemJob(st, link);
  EXPECT_EQ(Writes(), std::vector<std::string>{"AT+CMGR=1\r\n"});
  EXPECT_EQ(st.state.SmsIndex, "1");
  EXPECT_EQ(link.modem.ModemRequest, links::ModemJob::Reading);
  EXPECT_EQ(Panel(3), "Read SMS 1");
  EXPECT_FALSE(st.form.Image[27].Visible);
  EXPECT_TRUE(st.form.Image[19].Visible);
  EXPECT_EQ(st.state.StatusClearCountdown, 10);
  EXPECT_TRUE(BufferClear());

  links::DispatchModemJob(st, link);  // the read waits for the answer
  EXPECT_EQ(fakes.modem.writes.size(), 1u);
}

TEST_F(ModemTest, ModemDispatchSendsTheDelete) {
  link.modem.ModemRequest = links::ModemJob::DeleteQueued;
  st.state.SmsIndex = "5";
  links::DispatchModemJob(st, link);
  EXPECT_EQ(Writes(), std::vector<std::string>{"AT+CMGD=5\r\n"});
  EXPECT_EQ(link.modem.ModemRequest, links::ModemJob::Deleting);
  EXPECT_EQ(Panel(3), "Delet SMS 5");
  EXPECT_TRUE(st.form.Image[19].Visible);
  links::DispatchModemJob(st, link);
  EXPECT_EQ(fakes.modem.writes.size(), 1u);
  Arrive("\r\nOK\r\n");
  EXPECT_EQ(link.modem.ModemRequest, links::ModemJob::Idle);
}

// A job command the line did not take is sent again at the next tick: a dropped
// delete would leave an applied report to be applied and charged again.
TEST_F(ModemTest, ModemJobCommandTheLineRefusedIsSentAgain) {
  for (const links::ModemJob job : {links::ModemJob::ReadQueued, links::ModemJob::DeleteQueued}) {
    ModemRig t;
    t.link.modem.ModemRequest = job;
    t.st.state.SmsIndex = "4";
    t.fakes.modem.down = true;
    const std::string panel3 = t.Panel(3);
    links::DispatchModemJob(t.st, t.link);
    EXPECT_EQ(t.link.modem.ModemRequest, job);
    EXPECT_EQ(t.Panel(3), panel3);
    t.fakes.modem.down = false;
    links::DispatchModemJob(t.st, t.link);
    EXPECT_EQ(t.Writes(), std::vector<std::string>{
                              (job == links::ModemJob::ReadQueued ? "AT+CMGR=4" : "AT+CMGD=4") +
                              std::string("\r\n")});
  }
}

// While the modem waits for an SMS text it takes every byte into it: the job, the
// reset after a call and the repeated "AT" all wait for the text.
TEST_F(ModemTest, ModemPromptHoldsEveryCommandUntilTheText) {
  fakes.modem.down = true;
  monitor::Timer3Timer(st);  // start-up; the modem has not answered its "AT"
  fakes.modem.down = false;
  monitor::SendSmsCommand(st, "9123456789", monitor::SmsOwner::Control);
  Arrive("\r\n> ");
  fakes.modem.writes.clear();
  link.modem.ModemRequest = links::ModemJob::ReadQueued;
  st.state.SmsIndex = "3";
  Arrive("\r\nRING\r\n");
  links::DispatchModemJob(st, link);
  for (int pass = 0; pass < 30; ++pass) monitor::Timer3Timer(st);
  EXPECT_TRUE(fakes.modem.writes.empty());
  EXPECT_EQ(link.modem.ModemRequest, links::ModemJob::ReadQueued);
  EXPECT_EQ(monitor::SendSmsText(st, monitor::SmsOwner::Control, "+1R ", false),
            monitor::SmsText::Written);
  links::DispatchModemJob(st, link);  // the modem is still sending the SMS
  Arrive("\r\n+CMGS: 1\r\n\r\nOK\r\n");
  links::DispatchModemJob(st, link);
  EXPECT_EQ(Writes(), (std::vector<std::string>{"+1R\x1A\x1B", "AT+CMGR=3\r\n"}));
}

// ---- SIM sweep ----

TEST_F(ModemTest, SimSweepStartsAfter21IdleTicksAndReadsSlots9To1) {
  for (int i = 1; i <= 20; ++i) links::Timer6Timer(st, link);
  EXPECT_EQ(link.modem.ModemRequest, links::ModemJob::Idle);
  EXPECT_EQ(link.modem.SmsScanIdleTicks, 20);
  links::Timer6Timer(st, link);
  EXPECT_EQ(link.modem.ModemRequest, links::ModemJob::ReadQueued);
  EXPECT_EQ(st.state.SmsIndex, "9");
  EXPECT_EQ(st.state.SmsScanSlot, 8);
  EXPECT_TRUE(st.form.Timer1.Enabled);
  EXPECT_TRUE(st.form.Timer6.Enabled);

  link.modem.ModemRequest = links::ModemJob::Reading;  // the job before it still runs
  links::Timer6Timer(st, link);
  EXPECT_EQ(st.state.SmsScanSlot, 8);
  for (int slot = 8; slot >= 1; --slot) {
    link.modem.ModemRequest = links::ModemJob::Idle;
    links::Timer6Timer(st, link);
    EXPECT_EQ(st.state.SmsIndex, std::to_string(slot));
  }
  EXPECT_EQ(st.state.SmsScanSlot, 0);
  link.modem.ModemRequest = links::ModemJob::Idle;
  links::Timer6Timer(st, link);
  EXPECT_EQ(link.modem.ModemRequest, links::ModemJob::Idle);
  EXPECT_EQ(link.modem.SmsScanIdleTicks, 1);
}

TEST_F(ModemTest, SimSweepWaitsForTheAlarmSchedule) {
  st.state.SmsScanSlot = 9;
  st.state.SmsSendProgress = 45;
  links::Timer6Timer(st, link);
  EXPECT_EQ(link.modem.ModemRequest, links::ModemJob::Idle);
  EXPECT_EQ(st.state.SmsScanSlot, 9);
  st.state.SmsSendProgress = 44;
  links::Timer6Timer(st, link);
  EXPECT_EQ(st.state.SmsIndex, "9");
}

// ---- Menu commands ----

TEST_F(ModemTest, ModemMenuSimpleCommands) {
  struct Case {
    void (*click)(monitor::Station&, links::LinkState&);
    std::string sent;
  };
  const Case cases[] = {{links::AT1Click, "AT\r\n"},
                        {links::N7Click, "ATE0\r\n"},
                        {links::N8Click, "ATZ\r\n"},
                        {links::N17Click, "AT+CPBR=1\r\n"}};
  for (const auto& c : cases) {
    ModemRig t;
    t.link.ModemRxBuffer[0] = 'x';
    c.click(t.st, t.link);
    EXPECT_EQ(t.Writes(), std::vector<std::string>{c.sent});
    EXPECT_EQ(t.BufferClear(), c.sent == "ATZ\r\n") << c.sent;
  }
  links::ReadSMS1Click(st, link);
  EXPECT_EQ(st.state.SmsScanSlot, 9);
}

TEST_F(ModemTest, SmsReadAndDeleteMenuQueueTheTypedSlot) {
  struct Case {
    void (*click)(monitor::Station&, links::LinkState&);
    std::optional<std::string> typed;
    std::string caption;
    std::string sent;
  };
  const Case cases[] = {
      {links::SMS2Click, "4", "Чтение SMS", "AT+CMGR=4\r\n"},
      {links::SMS2Click, std::nullopt, "Чтение SMS", "AT+CMGR=1\r\n"},  // Cancel: slot 1
      {links::SMS3Click, "7", "Удаление SMS", "AT+CMGD=7\r\n"},
      {links::SMS3Click, "", "Удаление SMS", "AT+CMGD=\r\n"},
  };
  for (const auto& c : cases) {
    ModemRig t;
    t.st.state.SmsScanSlot = 5;
    t.link.modem.SmsScanIdleTicks = 7;
    t.link.modem.ModemRequest = links::ModemJob::Reading;
    t.link.ModemRxBuffer[0] = 'x';
    t.fakes.dialogs.text_answers.push_back(c.typed);
    c.click(t.st, t.link);
    SCOPED_TRACE(c.sent);
    ASSERT_EQ(t.fakes.dialogs.boxes.size(), 1u);
    EXPECT_EQ(t.fakes.dialogs.boxes[0].caption, c.caption);
    EXPECT_EQ(t.fakes.dialogs.boxes[0].text, " Введите номер SMS ");
    EXPECT_EQ(t.st.state.SmsScanSlot, 0);
    EXPECT_EQ(t.link.modem.SmsScanIdleTicks, 0);
    EXPECT_TRUE(t.st.form.Timer1.Enabled);
    EXPECT_TRUE(t.BufferClear());
    EXPECT_TRUE(t.fakes.modem.writes.empty());
    links::DispatchModemJob(t.st, t.link);
    EXPECT_EQ(t.Writes(), std::vector<std::string>{c.sent});
  }
}

TEST_F(ModemTest, ModemFreeCommandGoesOutAsTyped) {
  fakes.dialogs.text_answers = {std::string("AT+CSQ"), std::nullopt};
  st.state.SmsScanSlot = 4;
  links::N19Click(st, link);
  links::N19Click(st, link);
  EXPECT_EQ(Writes(), (std::vector<std::string>{"AT+CSQ\r\n", "\r\n"}));
  EXPECT_EQ(fakes.dialogs.boxes[0].caption, "Передать команду");
  EXPECT_EQ(fakes.dialogs.boxes[0].text, " введите фразу");
  EXPECT_EQ(st.state.SmsScanSlot, 0);
}

TEST_F(ModemTest, SmsPhoneBookWriteNeedsTenCharacters) {
  fakes.dialogs.text_answers = {std::string("9123456789"), std::string("912345678"), std::nullopt,
                                std::string("абвгдежзик")};
  for (int i = 0; i < 4; ++i) links::N18Click(st, link);
  EXPECT_EQ(Writes(), (std::vector<std::string>{"AT+CPBW=1,\"+79123456789\",145,\"VESK\"\r\n",
                                                "AT+CPBW=1,\"+7\xE0\xE1\xE2\xE3\xE4\xE5\xE6\xE7"
                                                "\xE8\xEA\",145,\"VESK\"\r\n"}));
  const auto errors = fakes.dialogs.OfKind("inform");
  ASSERT_EQ(errors.size(), 2u);
  EXPECT_EQ(errors[0].text, "Введите 10 значный номер");
  EXPECT_EQ(errors[0].caption, "Ошибка ввода");
  EXPECT_EQ(errors[0].icon, common::BoxIcon::Error);
  EXPECT_EQ(fakes.dialogs.boxes[0].caption, "Записать в телефонную книгу");
  EXPECT_EQ(fakes.dialogs.boxes[0].text, " введите 10 значный номер");
}

// ---- Robustness ----

TEST_F(ModemTest, ModemRecogniserSurvivesRandomReads) {
  std::mt19937 rng(7310);
  const std::string alphabet = "\r\n+CMGRTIOKEROSYSTA:\",.01 >";
  const links::ModemJob states[] = {links::ModemJob::Idle, links::ModemJob::ReadQueued,
                                    links::ModemJob::Reading, links::ModemJob::DeleteQueued};
  for (int i = 0; i < 4000; ++i) {
    const auto length = std::uniform_int_distribution<int>(0, 300)(rng);
    const bool bytes = rng() % 2 == 0;
    std::string s(static_cast<std::size_t>(length), '\0');
    for (auto& ch : s) {
      ch = bytes ? static_cast<char>(rng() & 0xFF) : alphabet[rng() % alphabet.size()];
    }
    if (i % 3 == 0) s.replace(0, std::min<std::size_t>(7, s.size()), "\r\n+CMGR");  // a read-back
    link.ModemRxBuffer.fill(0);
    std::copy(s.begin(), s.end(), link.ModemRxBuffer.begin());
    link.ModemRxCount = length;
    link.modem.ModemRequest = states[i % 4];
    links::RecogniseModemAnswer(st, link);
    ASSERT_LE(link.ModemRxCount, 200);
  }
}

}  // namespace
