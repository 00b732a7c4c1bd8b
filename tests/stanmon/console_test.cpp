#include "stanmon/console.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/timer_bank.h"
#include "tests/support/fakes.h"

namespace {

using testing_support::FakePorts;

struct ConsoleTest : ::testing::Test {
  FakePorts fakes;
  stanmon::Console console{fakes.Ports()};
  common::VirtualTime time{console.timers()};

  void Advance(int ms) { time.Advance(ms); }
  std::vector<testing_support::Box> Informs() const { return fakes.dialogs.OfKind("inform"); }
};

TEST_F(ConsoleTest, StartUpRunsOnTheFirstMainCycleTick) {
  Advance(250);
  EXPECT_FALSE(console.station().core.InitDone);
  EXPECT_TRUE(fakes.modem.writes.empty());
  Advance(1);
  EXPECT_TRUE(console.station().core.InitDone);
  EXPECT_EQ(fakes.modem.LastWrite(), "AT\r\n");
  EXPECT_TRUE(fakes.folder.Exists("tab1.txt"));
}

// A balance typed as "1 000" and saved: the next start cannot read it. The desk
// starts all the same, the balance the operator types is kept, and the save
// that mends the file is taken up at once.
TEST_F(ConsoleTest, AStartUpWithABadBalanceWatchesOnAndTakesUpTheMend) {
  std::string tab5;
  for (int c = 1; c <= 16; ++c) tab5 += c == 3 ? "1 000\r\n" : c == 9 ? "500\r\n" : "10000\r\n";
  fakes.folder.Write("tab5.txt", tab5 + "190\r\n");

  Advance(251);
  auto boxes = Informs();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, "Stanmon");
  EXPECT_EQ(boxes[0].icon, common::BoxIcon::Error);
  EXPECT_EQ(boxes[0].text, "'1 000' is not a valid floating point value.");
  EXPECT_EQ(console.form().StatusBar1[5].Text, boxes[0].text);
  EXPECT_EQ(fakes.modem.LastWrite(), "AT\r\n");

  console.form().StringGrid3.Cells(3, 3) = "1000";
  Advance(5000);
  EXPECT_EQ(console.form().StringGrid3.Cells(3, 3), "1000");
  EXPECT_EQ(fakes.folder.Read("tab5.txt"), tab5 + "190\r\n");
  EXPECT_EQ(Informs().size(), 1u);

  ASSERT_TRUE(console.Click("ToolButton7"));  // "Запись установок", OK
  Advance(251);
  boxes = Informs();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].text, "Остаток средств  № 9() = 500 копеек");
  EXPECT_EQ(console.form().StatusBar1[5].Text, "");

  console.form().StringGrid1.Cells(2, 21) = "Вкл";
  Advance(251);
  EXPECT_EQ(console.form().StringGrid7.Cells(3, 1), "02_05");
  EXPECT_NE(fakes.folder.Read(console.station().core.ArchiveFileName).find("02_05"),
            std::string::npos);
}

TEST_F(ConsoleTest, AnErrorAfterACleanTickOpensTheBoxAgain) {
  const auto tab3 = fakes.folder.path / "tab3.txt";
  auto break_start_up = [&] {
    std::filesystem::remove(tab3);
    std::filesystem::create_directory(tab3);
  };
  break_start_up();
  Advance(251 * 2);
  EXPECT_EQ(Informs().size(), 1u);

  std::filesystem::remove(tab3);
  Advance(251);  // a clean tick
  ASSERT_TRUE(console.station().core.InitDone);

  console.station().core.InitDone = false;  // the next start-up fails again
  break_start_up();
  Advance(251);
  EXPECT_EQ(Informs().size(), 2u);
}

// A bad SMS price: the charge of every report fails and ends the main-cycle pass.
struct BadPriceTest : ConsoleTest {
  void SetUp() override {
    Advance(251);
    console.form().Edit1.Text = "abc";
    console.state().ChannelPhone[5] = "9000000005";
  }
  void ChargeOnTheNextPass() { console.state().SmsChargeQueue[1] = 5; }
};

TEST_F(BadPriceTest, TheCycleGoesOnWhileTheErrorBoxIsOpen) {
  fakes.dialogs.while_next_box_open = [&] {
    console.form().StringGrid1.Cells(2, 3) = "Вкл";
    Advance(251);
    EXPECT_EQ(console.form().StringGrid7.Cells(3, 1), "01_03");
  };
  ChargeOnTheNextPass();
  Advance(251);
  const auto boxes = Informs();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "'abc' is not a valid floating point value.");
}

TEST_F(BadPriceTest, ARepeatedErrorIsShownOnceAndLeavesThePanelWhenItEnds) {
  for (int pass = 0; pass < 3; ++pass) {
    ChargeOnTheNextPass();
    Advance(251);
    EXPECT_EQ(console.form().StatusBar1[5].Text, "'abc' is not a valid floating point value.");
  }
  EXPECT_EQ(Informs().size(), 1u);
  console.form().Edit1.Text = "190";
  ChargeOnTheNextPass();
  Advance(251);
  EXPECT_EQ(console.form().StringGrid3.Cells(3, 5), "9810");
  EXPECT_EQ(console.form().StatusBar1[5].Text, "");
}

TEST_F(ConsoleTest, ExitAsksThenSavesThePollPauseAndEnds) {
  Advance(251);
  fakes.dialogs.confirm_answers = {false};
  EXPECT_TRUE(console.Click("BitBtn18"));
  EXPECT_FALSE(console.TerminateRequested());
  EXPECT_FALSE(fakes.folder.Exists("paut.txt"));
  const auto asked = fakes.dialogs.OfKind("confirm");
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].text, "Вы действительно хотите выйти?");
  EXPECT_EQ(asked[0].caption, "Выход из программы");
  EXPECT_EQ(asked[0].icon, common::BoxIcon::Question);

  console.form().Edit20.Text = "3";
  EXPECT_TRUE(console.Click("N6"));
  EXPECT_TRUE(console.TerminateRequested());
  EXPECT_EQ(fakes.folder.Read("paut.txt"), "3\r\n");
}

TEST_F(ConsoleTest, ExitWhosePauseCannotBeWrittenShowsTheErrorAndKeepsRunning) {
  std::filesystem::create_directory(fakes.folder.path / "paut.txt");
  console.Click("N6");
  EXPECT_FALSE(console.TerminateRequested());
  const auto boxes = Informs();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].icon, common::BoxIcon::Error);
  EXPECT_FALSE(console.Click("NoSuchControl"));
}

TEST_F(ConsoleTest, TimersTickAtTheirIntervals) {
  fakes.rs485.arrivals.push_back({1, 2, 3});
  fakes.modem.arrivals.push_back({'O', 'K'});
  Advance(101);
  EXPECT_EQ(console.link().Rs485RxCount, 3);
  EXPECT_EQ(console.link().ModemRxCount, 2);
  EXPECT_EQ(console.link().ModemRxBuffer[2], 0);
  Advance(101);
  EXPECT_EQ(console.link().Rs485RxCount, 0);
  EXPECT_TRUE(console.form().Timer2.Enabled);
}

// The pause spinner counts on from the number in Edit20 as the operator left it,
// or from its last position when that is no whole number, never below 1.
TEST_F(ConsoleTest, ThePauseSpinnerStepsFromTheShownNumber) {
  using common::SpinButton;
  struct Case {
    std::string shown;
    int position;
    SpinButton button;
    std::string after;
  };
  const Case cases[] = {
      {"1", 1, SpinButton::kUp, "2"},
      {"1", 1, SpinButton::kDown, "1"},
      {"-5", 1, SpinButton::kUp, "1"},
      {" 7\t", 1, SpinButton::kUp, "8"},
      {"\u00A07\u2003", 1, SpinButton::kDown, "6"},
      {"+5", 1, SpinButton::kUp, "6"},
      {"007", 1, SpinButton::kUp, "8"},
      {"abc", 4, SpinButton::kUp, "5"},
      {"", 4, SpinButton::kDown, "3"},
      {"1 0", 4, SpinButton::kUp, "5"},
      {"0x10", 4, SpinButton::kUp, "5"},
      {"- 5", 4, SpinButton::kUp, "5"},
      {"2147483648", 4, SpinButton::kUp, "5"},
      {"2147483647", 4, SpinButton::kUp, "2147483647"},
      {"-2147483648", 4, SpinButton::kDown, "1"},
  };
  for (const Case& c : cases) {
    console.form().Edit20.Text = c.shown;
    console.form().UpDown1.Position = c.position;
    ASSERT_TRUE(console.Spin("UpDown1", c.button)) << c.shown;
    EXPECT_EQ(console.form().Edit20.Text, c.after) << c.shown;
    EXPECT_EQ(std::to_string(console.form().UpDown1.Position), c.after) << c.shown;
  }
  EXPECT_FALSE(console.Spin("UpDown2", SpinButton::kUp));
  EXPECT_TRUE(fakes.dialogs.boxes.empty());
}

// A line that is down stays in view: its notice comes again at every attempt to
// reopen it, and carries every other line that is down as well.
TEST_F(ConsoleTest, EveryLineThatIsDownStaysInPanel5) {
  const stanmon::LineNotice com1{"COM1", "COM1 /dev/ttyS0: устройство не найдено", true};
  const stanmon::LineNotice com2{"COM2", "COM2 /dev/ttyS1: устройство не найдено", true};
  console.ShowLineNotice(com1);
  console.ShowLineNotice(com2);
  EXPECT_EQ(console.form().StatusBar1[5].Text, com2.text + "; " + com1.text);
  console.form().StatusBar1[5].Text = "Выберите фамилию оператора из списка!";
  console.ShowLineNotice(com1);
  EXPECT_EQ(console.form().StatusBar1[5].Text, com1.text + "; " + com2.text);
  console.ShowLineNotice({"COM1", "COM1 /dev/ttyS0 открыт", false});
  EXPECT_EQ(console.form().StatusBar1[5].Text, "COM1 /dev/ttyS0 открыт; " + com2.text);
  console.ShowLineNotice({"COM2", "COM2 /dev/ttyS1 открыт", false});
  EXPECT_EQ(console.form().StatusBar1[5].Text, "COM2 /dev/ttyS1 открыт");
}

// The window asks before it renders; only receive ticks that took no bytes let
// it skip comparing the form. Receive ticks come at 101, 202, 303 ms, the main
// cycle at 251 ms.
TEST_F(ConsoleTest, OnlyReceiveTicksThatTookNoBytesLeaveTheFormAlone) {
  EXPECT_TRUE(console.FormMayHaveChanged());  // nothing known: compare
  Advance(101);
  EXPECT_FALSE(console.FormMayHaveChanged());
  EXPECT_TRUE(console.FormMayHaveChanged());

  fakes.modem.arrivals.push_back({'\r', '\n', 'O', 'K', '\r', '\n'});
  Advance(101);
  EXPECT_TRUE(console.FormMayHaveChanged());
  Advance(49);
  EXPECT_TRUE(console.FormMayHaveChanged());
  Advance(52);
  EXPECT_FALSE(console.FormMayHaveChanged());

  Advance(101);
  console.Click("BitBtn22");
  EXPECT_TRUE(console.FormMayHaveChanged());
  Advance(101);
  console.ShowLineNotice({"COM1", "COM1 /dev/ttyS0 открыт", false});
  EXPECT_TRUE(console.FormMayHaveChanged());
}

}  // namespace
