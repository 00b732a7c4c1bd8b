// The operator's modem commands and SMS on a desk whose modem waits for the text
// of an SMS: the alarm SMS, a control SMS, or the operator's own.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "monitor/console_form.h"
#include "tests/stanmon/field_desk.h"

namespace {

using testing_support::FieldDesk;
using testing_support::SimModem;

enum class Waiting { Alarm, Control, Operators };

struct WaitingCase {
  Waiting kind;
  const char* name;
  SimModem::Sms sms;  // the SMS that waits for its text, as it should reach its phone
};

const WaitingCase kWaiting[] = {
    {Waiting::Alarm, "alarm SMS", {"+79123456780", " 02-05"}},
    {Waiting::Control, "control SMS", {"+79123456707", "+1R"}},
    {Waiting::Operators, "operator's SMS", {"+79005556677", "hello operator"}},
};

// Brings the desk to the moment the modem has given its prompt for an SMS whose
// text has not gone yet.
void StartWaiting(FieldDesk& desk, Waiting kind) {
  switch (kind) {
    case Waiting::Alarm:
      ASSERT_TRUE(desk.StartAlarmSms());
      break;
    case Waiting::Control:
      ASSERT_TRUE(desk.StartControlSms());
      break;
    case Waiting::Operators:
      // The operator confirms the text before the modem's prompt has come.
      desk.modem.answer_delay_ms = 1500;
      desk.fakes.dialogs.text_answers.push_back(std::string("9005556677"));
      desk.fakes.dialogs.text_answers.push_back(std::string("hello operator"));
      desk.console.Click("SMS1");
      ASSERT_TRUE(desk.SmsCommandWent());
      break;
  }
  desk.time.Advance(300);
}

// A command of the "Модем" or "Сервис" menu, and the line it sends.
struct MenuCase {
  const char* control;
  std::optional<std::string> typed;  // into its input box
  std::string line;
};

const MenuCase kMenu[] = {
    {"AT1", std::nullopt, "AT"},
    {"N7", std::nullopt, "ATE0"},
    {"N8", std::nullopt, "ATZ"},
    {"N17", std::nullopt, "AT+CPBR=1"},
    {"N18", "9001112233", "AT+CPBW=1,\"+79001112233\",145,\"VESK\""},
    {"N19", "AT+CGMI", "AT+CGMI"},
    {"SMS2", "5", "AT+CMGR=5"},
};

// Every command of the menus waits while the modem waits for an SMS text, then
// goes out once, after that text; the SMS holds its own text alone.
TEST(ModemOperator, AMenuCommandWaitsUntilTheSmsTextHasGone) {
  for (const WaitingCase& waiting : kWaiting) {
    for (const MenuCase& menu : kMenu) {
      SCOPED_TRACE(std::string(menu.control) + " while the " + waiting.name + " waits");
      FieldDesk desk;
      StartWaiting(desk, waiting.kind);
      if (menu.typed) desk.fakes.dialogs.text_answers.push_back(menu.typed);
      const std::size_t commands_before = desk.modem.commands.size();
      desk.console.Click(menu.control);
      EXPECT_EQ(desk.modem.commands.size(), commands_before);
      desk.time.Advance(20000);
      EXPECT_EQ(desk.modem.sent, std::vector<SimModem::Sms>{waiting.sms});
      const auto since = desk.modem.commands.begin() + static_cast<std::ptrdiff_t>(commands_before);
      EXPECT_EQ(std::count(since, desk.modem.commands.end(), menu.line), 1);
    }
  }
}

// The operator's SMS waits like any other command: its own text follows its own
// prompt, and it is shown as sent once it went.
TEST(ModemOperator, TheOperatorsSmsNeverTakesOverAnotherSms) {
  for (const WaitingCase& waiting : kWaiting) {
    SCOPED_TRACE(std::string("while the ") + waiting.name + " waits");
    FieldDesk desk;
    StartWaiting(desk, waiting.kind);
    desk.fakes.dialogs.text_answers.push_back(std::string("9001112233"));
    desk.fakes.dialogs.text_answers.push_back(std::string("second"));
    desk.console.Click("SMS1");
    EXPECT_NE(desk.Panel5(), " Отправка SMS 9001112233");
    desk.time.Advance(20000);
    EXPECT_EQ(desk.modem.sent,
              (std::vector<SimModem::Sms>{waiting.sms, {"+79001112233", "second"}}));
    EXPECT_EQ(desk.Panel5(), " Отправка SMS 9001112233");
    EXPECT_EQ(desk.fakes.folder.Read("tsms.txt"), "9001112233\r\nsecond\r\n");
  }
}

// The modem restarts after giving its prompt: the SMS it waited for is void,
// recorded or shown as not sent, and its text goes nowhere.
TEST(ModemOperator, ARestartVoidsTheSmsItInterrupted) {
  const std::string not_sent[] = {"Не отправлен SMS запрос на телефон поддержки : 9123456780",
                                  " Не отправлено SMS: 9123456707",
                                  " Не отправлено SMS 9005556677"};
  for (const WaitingCase& waiting : kWaiting) {
    SCOPED_TRACE(waiting.name);
    FieldDesk desk;
    if (waiting.kind == Waiting::Operators) {
      // The operator is still typing the text when the modem restarts.
      desk.fakes.dialogs.text_answers = {std::string("9005556677"), std::string("hello operator")};
      desk.fakes.dialogs.while_next_box_open = [&] {
        desk.fakes.dialogs.while_next_box_open = [&] {
          desk.time.Advance(1000);
          desk.modem.Restart(desk.time.Now());
          desk.time.Advance(1000);
        };
      };
      desk.console.Click("SMS1");
    } else {
      StartWaiting(desk, waiting.kind);
      desk.time.Advance(700);
      desk.modem.Restart(desk.time.Now());
    }
    desk.time.Advance(20000);
    EXPECT_TRUE(desk.modem.sent.empty());
    const std::string& expected = not_sent[static_cast<int>(waiting.kind)];
    if (waiting.kind == Waiting::Alarm) {
      EXPECT_EQ(desk.ArchiveHolds(expected), 1);
      EXPECT_EQ(desk.ArchiveHolds(" Отправлен SMS"), 0);
    } else {
      EXPECT_TRUE(desk.Panel5().ends_with(expected)) << desk.Panel5();
    }
    for (const std::string& command : desk.modem.commands) {
      EXPECT_TRUE(command.starts_with("AT")) << "typed in as a command: " << command;
    }
  }
}

// With nothing waiting, the operator's commands and SMS go out at once.
TEST(ModemOperator, WithNothingWaitingTheOperatorsCommandsGoAtOnce) {
  for (const MenuCase& menu : kMenu) {
    if (menu.line.starts_with("AT+CMGR=")) continue;  // a job: it goes with Timer1
    SCOPED_TRACE(menu.control);
    FieldDesk desk;
    if (menu.typed) desk.fakes.dialogs.text_answers.push_back(menu.typed);
    desk.console.Click(menu.control);
    EXPECT_EQ(desk.modem.commands.back(), menu.line);
  }
  FieldDesk desk;
  desk.fakes.dialogs.text_answers = {std::string("9005556677"), std::string("hello")};
  desk.fakes.dialogs.while_next_box_open = [&] {
    desk.fakes.dialogs.while_next_box_open = [&] { desk.time.Advance(300); };  // the prompt
  };
  desk.console.Click("SMS1");
  EXPECT_EQ(desk.modem.sent, (std::vector<SimModem::Sms>{{"+79005556677", "hello"}}));
  desk.time.Advance(200);  // the modem's answer to the text
  EXPECT_EQ(desk.Panel5(), " Отправка SMS 9005556677");
}

// A command the line does not take (it is down) waits for the line, and goes
// out once when it is back.
TEST(ModemOperator, ACommandWhileTheLineIsDownGoesWhenItIsBack) {
  FieldDesk desk;
  desk.line.down = true;
  desk.fakes.dialogs.text_answers.push_back(std::string("AT+CGMI"));
  desk.console.Click("N19");
  desk.time.Advance(4000);
  desk.line.down = false;
  desk.time.Advance(4000);
  EXPECT_EQ(std::count(desk.modem.commands.begin(), desk.modem.commands.end(), "AT+CGMI"), 1);
}

}  // namespace
