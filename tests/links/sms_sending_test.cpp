#include "links/timer5_timer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "common/cp1251.h"
#include "common/platform_error.h"
#include "links/alarm_schedule.h"
#include "links/control_sms.h"
#include "links/manual_sms.h"
#include "links/siren.h"
#include "links/timer2_timer.h"
#include "links/transliterate.h"
#include "monitor/modem_output.h"
#include "tests/support/fakes.h"
#include "tests/support/pipe_watchdog.h"

namespace {

using links::LinkState;
using testing_support::FakePorts;

constexpr const char* kPhone1 = "9123456789";
constexpr const char* kPhone2 = "9876543210";

// A console core with its field state, driven one Timer5 tick at a time.
struct SmsRig {
  FakePorts fakes;
  monitor::Station st{fakes.Ports()};
  LinkState link;

  SmsRig() {
    st.state.PortOpen = true;
    st.core.ArchiveFileName = "05032026.txt";
    st.form.CheckBox[17].Checked = true;
  }

  // The modem gives its prompt to every "AT+CMGS=" and sends every SMS at once,
  // answering a tick's writes before the next tick.
  bool modem_answers = true;

  void Tick() { TickWrites(); }

  // The modem writes of the next tick, as text.
  std::vector<std::string> TickWrites() {
    if (modem_answers) {
      for (std::size_t i = answered_; i < fakes.modem.writes.size(); ++i) {
        Answer(std::string(fakes.modem.writes[i].begin(), fakes.modem.writes[i].end()));
      }
    }
    const std::size_t before = fakes.modem.writes.size();
    links::Timer5Timer(st, link);
    std::vector<std::string> out;
    for (std::size_t i = before; i < fakes.modem.writes.size(); ++i) {
      out.emplace_back(fakes.modem.writes[i].begin(), fakes.modem.writes[i].end());
    }
    answered_ = before;
    return out;
  }

  // What the modem says to one write, in a receive tick after it.
  void Answer(const std::string& written) {
    if (written.starts_with("AT+CMGS=")) Arrive("\r\n> ");
    if (written.ends_with("\x1A\x1B")) Arrive("\r\n+CMGS: 1\r\n\r\nOK\r\n");
  }
  void Arrive(const std::string& bytes) {
    fakes.modem.arrivals.emplace_back(bytes.begin(), bytes.end());
    links::Timer2Timer(st, link);
  }

  // Runs ticks until the schedule is idle again (at most 120): the writes by tick
  // number, and the number of the last tick.
  std::map<int, std::vector<std::string>> RunSchedule(int* last_tick = nullptr) {
    std::map<int, std::vector<std::string>> by_tick;
    for (int tick = 1; tick <= 120 && st.state.SmsAlarmArmed; ++tick) {
      auto writes = TickWrites();
      if (!writes.empty()) by_tick[tick] = writes;
      if (last_tick != nullptr) *last_tick = tick;
    }
    return by_tick;
  }

  void Arm(const std::string& text) {
    st.state.SmsAlarmArmed = true;
    st.state.SmsAlarmText = text;
    st.form.StringGrid7.Cells(6, 1) = "SMS+";
  }

  std::string Archive() const {
    return common::Cp1251ToUtf8(fakes.folder.Read(st.core.ArchiveFileName));
  }

 private:
  std::size_t answered_ = 0;  // writes before this one have been answered
};

struct SmsTest : ::testing::Test, SmsRig {};

std::string Command(const std::string& phone) {
  return "AT+CMGS=+7" + phone + "\r\n";
}
std::string Text(const std::string& body) {
  return body + "\x1A\x1B";
}

// --- Transliteration ---

TEST(TranslitTest, EveryLetterInBothCasesGivesItsLatinText) {
  const std::string lower = "йцукенгшщзхъфывапролджэячсмитьбюё";
  const std::string upper = "ЙЦУКЕНГШЩЗХЪФЫВАПРОЛДЖЭЯЧСМИТЬБЮЁ";
  const std::string latin = "ICUKENGSHSCHZH\"FYVAPROLDGAIACHCMIT\"BUIO";
  EXPECT_EQ(links::TransliterateToLatin(lower), latin);
  EXPECT_EQ(links::TransliterateToLatin(upper), latin);
}

TEST(TranslitTest, OtherCharactersPassAndTheFirstIsEmittedOnce) {
  EXPECT_EQ(links::TransliterateToLatin(""), "");
  EXPECT_EQ(links::TransliterateToLatin("щ"), "SCH");
  EXPECT_EQ(links::TransliterateToLatin(" 02_05\n"), " 02-05\n");
  EXPECT_EQ(links::TransliterateToLatin("Ab z9,.!№\n-"), "Ab z9,.!№\n-");
  EXPECT_EQ(links::TransliterateToLatin("Пожар_1 Ёж"), "POGAR-1 IOG");
}

// --- Control SMS ---

TEST(SmsControlFormatTest, DigitIsP1PlusTwiceP2) {
  const struct {
    monitor::OutputPair out;
    const char* text;
  } cases[] = {{{0, 0}, "+0R"}, {{1, 0}, "+1R"}, {{0, 1}, "+2R"}, {{1, 1}, "+3R"}};
  for (const auto& c : cases) EXPECT_EQ(links::FormatControlSms(c.out), c.text);
}

TEST_F(SmsTest, ControlSmsCommandOnTheCursorsTickTextOnTheNextThenCursorStartsAtFive) {
  st.state.ChannelPhone[7] = kPhone1;
  st.state.OutputCmd[7] = {1, 0};
  st.state.OutputChanged[7] = {1, 0};
  st.state.SmsScanSlot = 6;
  EXPECT_TRUE(TickWrites().empty());                                    // cursor 5
  EXPECT_TRUE(TickWrites().empty());                                    // cursor 6
  EXPECT_EQ(TickWrites(), std::vector<std::string>{Command(kPhone1)});  // cursor 7
  EXPECT_EQ(st.form.StatusBar1[5].Text, "05.03.2026 14:07:09 Отправка SMS: 9123456789");
  EXPECT_EQ(st.state.SmsScanSlot, 0);
  EXPECT_FALSE(st.state.OutputChanged[7].P1);
  EXPECT_EQ(st.state.ControlSmsText, "+1R");

  st.state.OutputCmd[7] = {1, 1};  // the digit was taken with the command
  st.state.ChannelPhone[5] = kPhone2;
  st.state.OutputChanged[5] = {0, 1};
  EXPECT_EQ(TickWrites(), std::vector<std::string>{Text("+1R")});
  EXPECT_EQ(st.state.ControlSmsText, "");
  EXPECT_EQ(link.sms.GsmChannelCursor, 0);
  EXPECT_EQ(TickWrites(), std::vector<std::string>{Command(kPhone2)});  // cursor back at 5
  EXPECT_TRUE(st.form.Timer5.Enabled);
}

TEST_F(SmsTest, ControlSmsForAChannelWithoutA10CharacterPhoneIsDropped) {
  for (const char* phone : {"", "912345678", "91234567890"}) {
    st.state.ChannelPhone[5] = phone;
    st.state.OutputChanged[5] = {1, 1};
    link.sms.GsmChannelCursor = 0;
    EXPECT_TRUE(TickWrites().empty()) << phone;
    EXPECT_EQ(st.state.OutputChanged[5].P1 + st.state.OutputChanged[5].P2, 0) << phone;
    EXPECT_EQ(st.state.ControlSmsText, "") << phone;
  }
}

TEST_F(SmsTest, ControlSmsWaitsForAModemJobAndTheAlarmWhileTheCursorMoves) {
  st.state.ChannelPhone[5] = kPhone1;
  st.state.OutputChanged[5] = {1, 0};
  link.modem.ModemRequest = links::ModemJob::Reading;
  for (int i = 0; i < 12; ++i) EXPECT_TRUE(TickWrites().empty());
  EXPECT_EQ(link.sms.GsmChannelCursor, 16);
  link.modem.ModemRequest = links::ModemJob::Idle;
  st.state.SmsAlarmArmed = true;  // the modem is not ready: the schedule only counts
  for (int i = 0; i < 12; ++i) EXPECT_TRUE(TickWrites().empty());
  EXPECT_TRUE(st.state.OutputChanged[5].P1);
  st.state.SmsAlarmArmed = false;
  st.state.SmsSendProgress = 0;
  EXPECT_EQ(TickWrites(), std::vector<std::string>{Command(kPhone1)});
}

// The modem waits for the text after a command line: it goes out on the next tick
// whatever the modem job and the alarm, so that nothing else slips into it.
TEST_F(SmsTest, ControlTextGoesOutOnTheNextTickWhateverTheJobAndTheAlarm) {
  st.state.ChannelPhone[5] = kPhone1;
  st.state.OutputCmd[5] = {0, 1};
  st.state.OutputChanged[5] = {0, 1};
  Tick();
  st.state.ModemReady = true;
  Arm(" 01_01\n");
  link.modem.ModemRequest = links::ModemJob::ReadQueued;
  EXPECT_EQ(TickWrites(), std::vector<std::string>{Text("+2R")});
  EXPECT_EQ(st.state.SmsSendProgress, 1);
  EXPECT_TRUE(monitor::ModemTakesCommands(st));
}

// --- Alarm schedule ---

TEST_F(SmsTest, AlarmScheduleServesBothPhonesAtTheirStepsAndEndsAt101) {
  st.form.Edit2.Text = kPhone1;
  st.form.Edit19.Text = kPhone2;
  st.state.ModemReady = true;
  Arm(" Щит_1\n");
  link.ModemRxBuffer.fill('x');
  std::map<int, int> gauge;
  std::map<int, std::vector<std::string>> by_tick;
  for (int tick = 1; tick <= 101; ++tick) {
    auto writes = TickWrites();
    if (!writes.empty()) by_tick[tick] = writes;
    gauge[tick] = st.form.Gauge1.Progress;
    if (tick == 50) {
      EXPECT_EQ(link.ModemRxBuffer[0], 0);
      EXPECT_EQ(st.form.StatusBar1[3].Text, kPhone1);
    }
    if (tick == 55) {
      EXPECT_EQ(st.form.StatusBar1[5].Text, "05.03.2026 14:07:09 Отправка SMS : 9123456789");
      EXPECT_EQ(st.form.StringGrid7.Cells(6, 1), "SMS+");  // phone 2 still to come
    }
    if (tick == 98) {
      EXPECT_EQ(st.form.StatusBar1[5].Text, "05.03.2026 14:07:09Отправка SMS:9876543210");
      EXPECT_EQ(st.form.StringGrid7.Cells(6, 1), "");
      EXPECT_EQ(st.state.SmsAlarmText, "");
    }
  }
  const std::map<int, std::vector<std::string>> expected = {{50, {Command(kPhone1)}},
                                                            {55, {Text(" SCHIT-1")}},
                                                            {95, {Command(kPhone2)}},
                                                            {98, {Text(" SCHIT-1")}}};
  EXPECT_EQ(by_tick, expected);
  EXPECT_EQ(gauge[1], 1);
  EXPECT_EQ(gauge[100], 100);
  EXPECT_EQ(gauge[101], 0);
  EXPECT_FALSE(st.state.SmsAlarmArmed);
  EXPECT_EQ(Archive(),
            "05.03.2026 14:07:09 Отправлен SMS запрос на телефон поддержки : 9123456789\r\n"
            "05.03.2026 14:07:09 Отправлен SMS запрос на телефон поддержки : 9876543210\r\n");
}

TEST_F(SmsTest, AlarmSchedulePerPhoneSetting) {
  const struct {
    const char* phone1;
    const char* phone2;
    std::uint8_t ready;
    std::map<int, std::vector<std::string>> sends;
    int last_tick;
    int archive_lines;
  } cases[] = {
      {kPhone1, "", 1, {{50, {Command(kPhone1)}}, {55, {Text(" A")}}}, 57, 1},
      {"", kPhone2, 1, {{95, {Command(kPhone2)}}, {98, {Text(" A")}}}, 101, 1},
      {kPhone1, kPhone2, 0, {}, 101, 0},
      {"912345678", "91234567890", 1, {}, 101, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.phone1) + "/" + c.phone2);
    SmsRig rig;
    rig.st.form.Edit2.Text = c.phone1;
    rig.st.form.Edit19.Text = c.phone2;
    rig.st.state.ModemReady = c.ready;
    rig.Arm(" A\n");
    rig.st.form.StringGrid7.Cells(6, 3) = "SMS+";
    int last_tick = 0;
    EXPECT_EQ(rig.RunSchedule(&last_tick), c.sends);
    EXPECT_EQ(last_tick, c.last_tick);
    EXPECT_EQ(rig.st.form.Gauge1.Progress, 0);
    const std::string archive = rig.Archive();
    EXPECT_EQ(std::count(archive.begin(), archive.end(), '\n'), c.archive_lines);
    if (c.archive_lines > 0) {
      EXPECT_EQ(rig.st.form.StringGrid7.Cells(6, 3), "");
    }
  }
}

TEST_F(SmsTest, AlarmStepWhoseConditionsFailIsNotMadeUpLater) {
  st.form.Edit2.Text = kPhone1;
  st.form.Edit19.Text = kPhone2;
  Arm(" A\n");
  for (int tick = 1; tick <= 50; ++tick) EXPECT_TRUE(TickWrites().empty());
  // Ready after the command step: the text, with no command before it, would be
  // typed in as a command line; ESC goes instead, and the archive says so.
  st.state.ModemReady = true;
  for (int tick = 51; tick <= 54; ++tick) EXPECT_TRUE(TickWrites().empty());
  EXPECT_EQ(TickWrites(), std::vector<std::string>{"\x1B"});
  EXPECT_EQ(Archive(),
            "05.03.2026 14:07:09 Не отправлен SMS запрос на телефон поддержки : 9123456789\r\n");
  st.form.Edit19.Text = "987654321";  // phone 2 unset from step 95 on: never served
  EXPECT_EQ(RunSchedule(), (std::map<int, std::vector<std::string>>{}));
  EXPECT_EQ(st.state.SmsAlarmText, " A\n");  // went out once, to phone 1: not repeated
  EXPECT_FALSE(st.state.SmsAlarmArmed);
}

TEST_F(SmsTest, EntryAddedAfterStep55GoesOnlyToPhone2AndAnEmptyTextSendsNothing) {
  st.form.Edit2.Text = kPhone1;
  st.form.Edit19.Text = kPhone2;
  st.state.ModemReady = true;
  Arm(" A\n");
  for (int tick = 1; tick <= 70; ++tick) Tick();
  st.state.SmsAlarmText += " B\n";
  std::vector<std::string> sends;
  for (int tick = 71; tick <= 101; ++tick) {
    for (auto& w : TickWrites()) sends.push_back(w);
  }
  EXPECT_EQ(sends, (std::vector<std::string>{Command(kPhone2), Text(" A\n B")}));

  Arm("");  // armed, but with nothing to say
  EXPECT_EQ(RunSchedule(), (std::map<int, std::vector<std::string>>{}));
}

// Entries that come after the last text step would otherwise be dropped with the
// schedule's end: they run a schedule of their own.
TEST_F(SmsTest, EntryAddedAfterTheLastTextStepStartsTheScheduleAgain) {
  st.form.Edit2.Text = kPhone1;
  st.state.ModemReady = true;
  Arm(" A\n");
  for (int tick = 1; tick <= 56; ++tick) Tick();  // 55 jumps to 99, 56 is step 100
  st.state.SmsAlarmText = " B\n";
  Tick();
  EXPECT_TRUE(st.state.SmsAlarmArmed);
  EXPECT_EQ(st.state.SmsSendProgress, 0);
  EXPECT_EQ(RunSchedule(), (std::map<int, std::vector<std::string>>{{50, {Command(kPhone1)}},
                                                                    {55, {Text(" B")}}}));
  EXPECT_FALSE(st.state.SmsAlarmArmed);

  Arm(" C\n");  // phone 2 set but for the last text step: " D" reached nobody
  st.form.Edit19.Text = kPhone2;
  for (int tick = 1; tick <= 70; ++tick) Tick();
  st.state.SmsAlarmText += " D\n";
  st.form.Edit19.Text.clear();
  for (int tick = 71; tick <= 101; ++tick) EXPECT_TRUE(TickWrites().empty());
  EXPECT_TRUE(st.state.SmsAlarmArmed);
  EXPECT_EQ(RunSchedule().at(55), std::vector<std::string>{Text(" C\n D")});

  st.state.ModemReady = false;  // nothing went out in this run: the text is not carried on
  Arm(" C\n");
  RunSchedule();
  EXPECT_FALSE(st.state.SmsAlarmArmed);
}

TEST_F(SmsTest, AlarmBodyTooLongForTheBufferIsCutAfterItsLastWholeEntry) {
  std::string text;
  for (int i = 0; i < 11; ++i) text += " ЩЩЩЩЩЩЩЩЩЩ\n";  // 32 Latin characters each
  const std::string body = links::AlarmSmsBody(text);
  EXPECT_EQ(body.size(), 9u * 32u);
  EXPECT_EQ(body.back(), '\n');
  EXPECT_EQ(links::AlarmSmsBody(" Щ\n"), " SCH\n");
}

// The archive says an alarm SMS was sent only when the line took both its command
// and its text; otherwise it tells the operator that it was not.
TEST_F(SmsTest, AlarmSmsTheLineDroppedIsArchivedAsNotSent) {
  for (const int down_at : {50, 55}) {
    SCOPED_TRACE(down_at);
    SmsRig rig;
    rig.st.form.Edit2.Text = kPhone1;
    rig.st.state.ModemReady = true;
    rig.Arm(" A\n");
    for (int tick = 1; tick <= 57; ++tick) {
      rig.fakes.modem.down = tick == down_at;
      rig.Tick();
    }
    EXPECT_EQ(rig.Archive(),
              "05.03.2026 14:07:09 Не отправлен SMS запрос на телефон поддержки : 9123456789\r\n");
    EXPECT_FALSE(rig.st.state.SmsAlarmArmed);  // the schedule kept its ticks
  }
}

TEST_F(SmsTest, AnArchiveThatCannotBeWrittenHoldsTheLineAndTheTickGoesOn) {
  st.form.Edit2.Text = kPhone1;
  st.state.ModemReady = true;
  st.core.ArchiveFileName = "missing/05032026.txt";
  Arm(" A\n");
  st.state.SmsSendProgress = 49;
  st.state.SirenOn = true;
  for (int tick = 50; tick <= 55; ++tick) Tick();
  EXPECT_EQ(fakes.modem.LastWrite(), Text(" A"));
  Answer(Text(" A"));  // the modem sent it: now it is recorded
  EXPECT_EQ(st.state.SmsSendProgress, 99);
  EXPECT_EQ(st.state.SmsAlarmText, "");
  ASSERT_EQ(st.faults.held_archive_lines.size(), 1u);
  EXPECT_EQ(
      st.faults.held_archive_lines[0].line,
      std::string("05.03.2026 14:07:09 Отправлен SMS запрос на телефон поддержки : ") + kPhone1);
  EXPECT_TRUE(st.form.Timer5.Enabled);
}

// The text never follows, so the prompt is closed with ESC once its text is
// overdue, and the modem takes commands again.
TEST_F(SmsTest, CancelAfterTheCommandToPhone1DropsItsTextAndSilencesTheSiren) {
  st.form.Edit2.Text = kPhone1;
  st.state.ModemReady = true;
  st.state.SirenOn = true;
  Arm(" A\n");
  for (int tick = 1; tick <= 52; ++tick) Tick();
  EXPECT_EQ(fakes.modem.LastWrite(), Command(kPhone1));
  st.state.SmsScanSlot = 4;
  st.state.ControlSmsText = "+3R";
  links::BitBtn17Click(st, link);
  EXPECT_FALSE(st.state.SmsAlarmArmed);
  EXPECT_EQ(st.form.Gauge1.Progress, 0);
  EXPECT_EQ(st.form.StringGrid7.Cells(6, 1), "");
  EXPECT_FALSE(st.state.SirenOn);
  EXPECT_EQ(st.state.SmsScanSlot, 0);
  EXPECT_EQ(st.state.ControlSmsText, "+3R");
  st.state.ControlSmsText.clear();
  fakes.sound.calls.clear();
  std::map<int, std::vector<std::string>> by_tick;
  for (int tick = 53; tick <= 60; ++tick) {
    auto writes = TickWrites();
    if (!writes.empty()) by_tick[tick] = writes;
  }
  EXPECT_EQ(by_tick, (std::map<int, std::vector<std::string>>{{56, {"\x1B"}}}));
  EXPECT_TRUE(monitor::ModemTakesCommands(st));
  EXPECT_TRUE(fakes.sound.calls.empty());
}

// The operator's own SMS waits for its text as long as the input box is open: no
// alarm line goes into it, and it is not taken for abandoned.
TEST_F(SmsTest, AlarmLinesStayOutOfTheOperatorsOpenSms) {
  st.form.Edit2.Text = kPhone1;
  st.state.ModemReady = true;
  Arm(" A\n");
  st.state.SmsSendProgress = 49;
  monitor::SendSmsCommand(st, kPhone2, monitor::SmsOwner::Manual);
  for (int tick = 50; tick <= 56; ++tick) EXPECT_TRUE(TickWrites().empty()) << tick;
  EXPECT_EQ(st.state.gate.owner, monitor::SmsOwner::Manual);
}

// --- Siren ---

// Whenever the player cannot play the sound at the tick (the file was removed
// after start-up, or it cannot be played), the siren beeps instead.
TEST_F(SmsTest, SirenPlaysTheOpenedSoundOrBeepsOnlyWhileOnAndSwitchedOn) {
  const struct {
    const char* name;
    bool switched;
    std::uint8_t siren_on;
    bool player_open;
    bool file_there;
    bool play_fails;
    std::vector<std::string> calls;
  } cases[] = {
      {"plays", true, 1, true, true, false, {"play"}},
      {"no sound opened", true, 1, false, true, false, {"beep 500 700"}},
      {"file removed since", true, 1, true, false, false, {"beep 500 700"}},
      {"player cannot play", true, 1, true, true, true, {"play", "beep 500 700"}},
      {"switched off", false, 1, true, true, false, {}},
      {"siren off", true, 0, false, true, false, {}},
  };
  for (const auto& c : cases) {
    SmsRig rig;
    rig.st.form.CheckBox[17].Checked = c.switched;
    rig.st.state.SirenOn = c.siren_on;
    rig.st.form.MediaPlayer1.Open = c.player_open;
    if (c.file_there) rig.fakes.folder.Write("avaria.wav", "RIFF");
    rig.fakes.sound.play_fails = c.play_fails;
    rig.Tick();
    EXPECT_EQ(rig.fakes.sound.calls, c.calls) << c.name;
  }
}

TEST_F(SmsTest, MediaPlayerButtonStopsThePlayerThenDoesItsOwnAction) {
  links::MediaPlayer1Click(st, links::MediaPlayerButton::Play);
  EXPECT_TRUE(fakes.sound.calls.empty());  // no sound was opened
  st.form.MediaPlayer1.Open = true;
  links::MediaPlayer1Click(st, links::MediaPlayerButton::Play);
  links::MediaPlayer1Click(st, links::MediaPlayerButton::Pause);
  EXPECT_EQ(fakes.sound.calls, (std::vector<std::string>{"stop", "play", "stop", "pause"}));
}

// --- Manual SMS ---

TEST_F(SmsTest, ManualSmsSendsCommandAndTextAndKeepsThemInTsms) {
  st.state.SmsScanSlot = 3;
  link.modem.SmsScanIdleTicks = 7;
  fakes.dialogs.text_answers = {std::string(kPhone1), std::string("Привет всем")};
  fakes.dialogs.while_next_box_open = [&] {
    // While the text is typed, the modem gives the prompt for the number.
    fakes.dialogs.while_next_box_open = [&] { Arrive("\r\n> "); };
  };
  links::SMS1Click(st, link);
  EXPECT_EQ(st.state.SmsScanSlot, 0);
  EXPECT_EQ(link.modem.SmsScanIdleTicks, 0);
  ASSERT_EQ(fakes.modem.writes.size(), 2u);
  EXPECT_EQ(std::string(fakes.modem.writes[0].begin(), fakes.modem.writes[0].end()),
            Command(kPhone1));
  EXPECT_EQ(fakes.modem.LastWrite(), common::Utf8ToCp1251("Привет всем") + "\x1A\x1B");
  EXPECT_NE(st.form.StatusBar1[5].Text, " Отправка SMS 9123456789");
  Arrive("\r\n+CMGS: 3\r\n\r\nOK\r\n");  // shown as sent once the modem says so
  EXPECT_EQ(st.form.StatusBar1[5].Text, " Отправка SMS 9123456789");
  EXPECT_EQ(fakes.folder.Read("tsms.txt"), common::Utf8ToCp1251("9123456789\r\nПривет всем\r\n"));
  const auto boxes = fakes.dialogs.OfKind("input");
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].caption, "Отправка SMS шаг 1");
  EXPECT_EQ(boxes[0].text, "Введите 10 значный номер");
  EXPECT_EQ(boxes[1].caption, "Отправка SMS шаг 2");
  EXPECT_EQ(boxes[1].text, "Введите текст сообщения ");
}

// A pipe in place of tsms.txt is refused at once, as an unreadable file is, and
// stays as it is: nothing is sent and nothing written over it.
TEST_F(SmsTest, ManualSmsRefusesAPipeInPlaceOfItsFile) {
  const auto pipe = st.File("tsms.txt");
  testing_support::MakePipe(pipe);
  const testing_support::PipeWatchdog guard({pipe});
  fakes.dialogs.text_answers = {std::string(kPhone1), std::string("text")};
  std::string error;
  try {
    links::SMS1Click(st, link);
  } catch (const common::PlatformError& e) {
    error = e.what();
  }
  EXPECT_EQ(error, "File access denied");
  EXPECT_TRUE(fakes.modem.writes.empty());
  EXPECT_TRUE(testing_support::IsPipe(pipe));
}

TEST_F(SmsTest, ManualSmsWithoutA10CharacterNumberEndsSilently) {
  fakes.folder.Write("tsms.txt", "9000000000\r\nold\r\n");
  st.form.StatusBar1[5].Text = "before";
  for (std::optional<std::string> number :
       {std::optional<std::string>("912345678"), std::optional<std::string>(""),
        std::optional<std::string>("91234567890"), std::optional<std::string>()}) {
    fakes.dialogs.text_answers = {number, std::string("text")};
    links::SMS1Click(st, link);
  }
  EXPECT_TRUE(fakes.modem.writes.empty());
  EXPECT_EQ(st.form.StatusBar1[5].Text, "before");
  EXPECT_EQ(fakes.folder.Read("tsms.txt"), "9000000000\r\nold\r\n");
  EXPECT_EQ(fakes.dialogs.OfKind("input").size(), 4u);
  EXPECT_TRUE(fakes.dialogs.OfKind("inform").empty());
}

TEST_F(SmsTest, ManualSmsCancelledAtTheTextClosesThePromptAndKeepsTheOldText) {
  fakes.folder.Write("tsms.txt", common::Utf8ToCp1251("9000000000\r\nстарый\r\n"));
  fakes.dialogs.text_answers = {std::string(kPhone2), std::nullopt};
  links::SMS1Click(st, link);
  ASSERT_EQ(fakes.modem.writes.size(), 2u);  // the command, then ESC: the modem drops the SMS
  EXPECT_EQ(std::string(fakes.modem.writes[0].begin(), fakes.modem.writes[0].end()),
            Command(kPhone2));
  EXPECT_EQ(fakes.modem.LastWrite(), "\x1B");
  EXPECT_TRUE(monitor::ModemTakesCommands(st));
  EXPECT_EQ(st.form.StatusBar1[5].Text, " Отправка SMS 9876543210");
  EXPECT_EQ(fakes.folder.Read("tsms.txt"), common::Utf8ToCp1251("9876543210\r\nстарый\r\n"));
}

}  // namespace
