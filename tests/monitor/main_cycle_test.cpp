#include "monitor/main_cycle.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "monitor/alarm_sms.h"
#include "tests/monitor/cycle_fixture.h"
#include "tests/support/pipe_watchdog.h"

namespace {

using testing_support::CycleTest;

TEST_F(CycleTest, SignalFiveOfChannelTwoComingOnTakesTheWholeRoad) {
  st.form.Edit19.Text = "9123456789";
  fakes.clock.now.second = 30;
  ReceiveRs485(2, {5}, 0x0800);
  Pass();

  EXPECT_EQ(Status(21), "Вкл");
  EXPECT_EQ(st.form.StringGrid1.Cells(3, 21), "14:07:30");
  EXPECT_FALSE(st.state.RxRs485.NewData);
  EXPECT_EQ(st.form.Shape[21].Brush, monitor::clRed);
  EXPECT_EQ(st.form.Shape[22].Brush, monitor::clBtnFace);
  const std::vector<std::string> row = {
      "05.03.2026 14:07:30", "  ???  ", " ЦТП 2", "02_05", "20", "Вкл", "SMS+"};
  for (int col = 0; col < 7; ++col) EXPECT_EQ(Journal(col, 1), row[col]) << col;
  EXPECT_EQ(Archive(), "05.03.2026 14:07:30   ???  ,    ЦТП 2  02_05 Вкл    20\r\n");
  EXPECT_TRUE(st.state.SirenOn);
  EXPECT_TRUE(st.form.Timer5.Enabled);
  EXPECT_TRUE(st.state.SmsAlarmArmed);
  EXPECT_EQ(st.state.SmsAlarmText, " 02_05\n");
  EXPECT_EQ(st.form.StatusBar1[5].Text, "14:07:30   02_05   20");

  ReceiveRs485(2, {}, 0);  // and off again
  st.form.ComboBox1.Text = "Петров";
  Pass();
  EXPECT_EQ(st.form.Shape[21].Brush, monitor::clBtnFace);
  EXPECT_EQ(Journal(5, 1), "Отк");
  EXPECT_EQ(Journal(1, 1), "Петров");
  EXPECT_EQ(Journal(6, 1), "");
  EXPECT_EQ(Journal(5, 2), "Вкл");
  EXPECT_EQ(st.form.StringGrid1.Cells(3, 21), "14:07:30");  // an off keeps the time
  EXPECT_EQ(st.state.SmsAlarmText, " 02_05\n");
}

TEST_F(CycleTest, WithoutSupportPhoneAnOnCancelsTheAlarmSmsButSoundsTheSiren) {
  st.form.Edit2.Text = "912345678";     // 9 characters: not set
  st.form.Edit19.Text = "91234567890";  // 11: not set
  st.state.SmsAlarmArmed = true;
  st.state.SmsSendProgress = 40;
  st.form.StringGrid7.Cells(6, 5) = "SMS+";
  ReceiveRs485(1, {1}, 1);
  Pass();
  EXPECT_FALSE(st.state.SmsAlarmArmed);
  EXPECT_EQ(st.state.SmsSendProgress, 0);
  EXPECT_EQ(Journal(6, 6), "");
  EXPECT_EQ(Journal(6, 1), "");
  EXPECT_TRUE(st.state.SirenOn);
  EXPECT_TRUE(st.form.Timer5.Enabled);
}

TEST_F(CycleTest, SeveralRowsInOnePassAreJournaledInRowOrder) {
  Status(3) = "Вкл";
  Status(7) = "Вкл";
  Pass();
  EXPECT_EQ(Journal(3, 1), "01_07");
  EXPECT_EQ(Journal(3, 2), "01_03");
  const std::string archive = Archive();
  EXPECT_LT(archive.find("01_03"), archive.find("01_07"));
  EXPECT_EQ(st.form.Shape[3].Brush, monitor::clBtnFace);  // typed by hand: no redraw yet
}

TEST_F(CycleTest, TypedStatusesAreJudgedByTheirFirstThreeCharacters) {
  st.form.Edit2.Text = "9123456789";
  Status(40) = "Вклю";
  Pass();
  EXPECT_EQ(Journal(5, 1), "Вкл");
  EXPECT_TRUE(st.state.SirenOn);

  st.state.SirenOn = false;
  Status(50) = " Вкл";
  Pass();
  EXPECT_EQ(Journal(5, 1), "Отк");
  EXPECT_FALSE(st.state.SirenOn);

  Status(50) = "Вкл";  // from another non-empty text: an event without siren
  Pass();
  EXPECT_EQ(Journal(5, 1), "Вкл");
  EXPECT_FALSE(st.state.SirenOn);
  EXPECT_EQ(Journal(6, 1), "SMS+");  // the armed alarm still gains the address
  EXPECT_EQ(st.state.SmsAlarmText, " 03_08\n 04_02\n");

  const auto lines = Archive();
  Pass();  // nothing changed: nothing written
  EXPECT_EQ(Archive(), lines);
}

TEST_F(CycleTest, AlarmTextGrowsOnlyWhileShorterThan120Characters) {
  st.form.Edit19.Text = "9123456789";
  Status(1) = "Вкл";
  Pass();
  for (std::size_t length : {119u, 120u}) {
    st.state.SmsAlarmText = std::string(length, 'x');
    Status(1).clear();
    Pass();
    Status(1) = "Вкл";
    Pass();
    EXPECT_EQ(st.state.SmsAlarmText.size(), length == 119 ? 119u + 7 : 120u) << length;
    EXPECT_EQ(Journal(6, 1), "SMS+") << length;
  }
}

TEST_F(CycleTest, AGsmSetOfNoChannelKeepsReapplyingTheRs485Set) {
  ReceiveRs485(3, {2}, 0x4000);
  st.state.RxGsm = {0, "00000000000000000", 0, 1};
  Pass();
  EXPECT_TRUE(st.state.RxGsm.NewData);
  EXPECT_EQ(st.form.StringGrid1.Cells(3, 34), "14:07:09");
  fakes.clock.now.second = 40;
  Pass();
  EXPECT_EQ(st.form.StringGrid1.Cells(3, 34), "14:07:40");
  EXPECT_TRUE(st.state.RxGsm.NewData);
  EXPECT_FALSE(st.state.RxRs485.NewData);
}

TEST_F(CycleTest, GsmSetForThePlanChannelReachesThePlanGrid) {
  st.core.PlanChannel = 6;
  st.state.RxGsm = {6, "10000000000000011", 0x8001, 1};
  Pass();
  EXPECT_EQ(st.form.StringGrid2.Cells(2, 1), "Вкл");
  EXPECT_EQ(st.form.StringGrid2.Cells(2, 16), "Вкл");
  EXPECT_EQ(st.form.StringGrid2.Cells(2, 2), "");
  EXPECT_EQ(st.form.Shape[96].Brush, monitor::clGreen);
  EXPECT_EQ(st.core.ChannelStamp[6], 0x8001);
}

TEST_F(CycleTest, MidnightMovesTheArchiveAndADeletedFileComesBack) {
  fakes.clock.now = {2026, 3, 5, 23, 59, 59, 0};
  Pass();
  fakes.clock.now = {2026, 3, 6, 0, 0, 1, 0};
  Status(2) = "Вкл";
  Pass();
  EXPECT_EQ(st.core.ArchiveFileName, "2026_03_06.txt");
  EXPECT_EQ(fakes.folder.Read("2026_03_05.txt"), "");
  EXPECT_EQ(Archive().substr(0, 19), "06.03.2026 0:00:01 ");
  EXPECT_EQ(st.form.DateTimePicker1.DateTime.day, 6);

  std::filesystem::remove(fakes.folder.path / "2026_03_06.txt");
  Pass();
  EXPECT_TRUE(fakes.folder.Exists("2026_03_06.txt"));
  EXPECT_EQ(Archive(), "");
}

TEST_F(CycleTest, AFullDiskHoldsTheArchiveLinesAndTheCycleGoesOn) {
  const auto archive = fakes.folder.path / "2026_03_05.txt";
  std::filesystem::remove(archive);
  std::filesystem::create_symlink("/dev/full", archive);
  Status(9) = "Вкл";
  Status(10) = "Вкл";
  Pass();
  EXPECT_EQ(Journal(3, 1), "01_10");
  EXPECT_EQ(Journal(3, 2), "01_09");
  EXPECT_TRUE(st.state.SirenOn);
  EXPECT_TRUE(st.form.Timer3.Enabled);
  ASSERT_EQ(st.faults.boxes.size(), 1u);
  EXPECT_EQ(st.faults.boxes[0].text, "Disk full.");

  fakes.clock.now.second = 30;
  Status(9) = "";
  Pass();  // the fault goes on: no second box
  EXPECT_EQ(st.faults.boxes.size(), 1u);
  EXPECT_EQ(st.faults.held_archive_lines.size(), 3u);

  std::filesystem::remove(archive);  // room again
  Pass();
  EXPECT_EQ(Archive(),
            "05.03.2026 14:07:09   ???  ,    ЦТП 1  01_09 Вкл    8\r\n"
            "05.03.2026 14:07:09   ???  ,    ЦТП 1  01_10 Вкл    9\r\n"
            "05.03.2026 14:07:30   ???  ,    ЦТП 1  01_09 Отк    8\r\n");
  EXPECT_TRUE(st.faults.held_archive_lines.empty());
  EXPECT_EQ(st.faults.archive_error, "");
}

// Opening a pipe for writing would wait for its reader: the archive counts as one
// that cannot be written, at once, and the pipe stays.
TEST_F(CycleTest, APipeInPlaceOfTheArchiveHoldsItsLinesAndTheCycleGoesOn) {
  const auto archive = fakes.folder.path / "2026_03_05.txt";
  std::filesystem::remove(archive);
  testing_support::MakePipe(archive);
  Status(9) = "Вкл";
  {
    const testing_support::PipeWatchdog guard({archive});
    Pass();
  }
  EXPECT_EQ(Journal(3, 1), "01_09");
  EXPECT_TRUE(st.form.Timer3.Enabled);
  ASSERT_EQ(st.faults.boxes.size(), 1u);
  EXPECT_EQ(st.faults.boxes[0].text, "File access denied.");
  EXPECT_EQ(st.faults.held_archive_lines.size(), 1u);
  EXPECT_TRUE(testing_support::IsPipe(archive));

  std::filesystem::remove(archive);
  Pass();
  EXPECT_EQ(Archive(), "05.03.2026 14:07:09   ???  ,    ЦТП 1  01_09 Вкл    8\r\n");
}

TEST_F(CycleTest, ReceivedSmsListKeepsTheThirtyNewest) {
  for (int i = 31; i >= 1; --i) st.form.ComboBox2.Items.push_back(std::to_string(i));
  Pass();
  ASSERT_EQ(st.form.ComboBox2.Items.size(), 30u);
  EXPECT_EQ(st.form.ComboBox2.Items.back(), "2");
  Pass();
  EXPECT_EQ(st.form.ComboBox2.Items.size(), 30u);
}

TEST_F(CycleTest, SilentModemGetsAtEveryThirtiethPassButNotWhilePolling) {
  fakes.modem.writes.clear();  // the start-up's "AT"; its pass was the first
  for (int pass = 2; pass <= 29; ++pass) Pass();
  EXPECT_TRUE(fakes.modem.writes.empty());
  Pass();
  EXPECT_EQ(fakes.modem.writes.size(), 1u);
  EXPECT_EQ(st.form.StatusBar1[5].Text, "Выберите фамилию оператора из списка!");

  st.state.Rs485State = monitor::Rs485Polling::Running;
  st.form.StatusBar1[5].Text.clear();
  for (int pass = 0; pass < 30; ++pass) Pass();
  EXPECT_EQ(fakes.modem.writes.size(), 1u);
  EXPECT_EQ(st.form.StatusBar1[5].Text, "Выберите фамилию оператора из списка!");

  st.state.ModemReady = true;
  st.state.Rs485State = monitor::Rs485Polling::NotStarted;
  for (int pass = 0; pass < 60; ++pass) Pass();
  EXPECT_EQ(fakes.modem.writes.size(), 1u);
}

TEST_F(CycleTest, ModemPanelsAreClearedOnTheNinthPassAfterTheCountdownIsSet) {
  st.state.StatusClearCountdown = 10;
  st.form.StatusBar1[3].Text = "Read SMS 1";
  st.form.StatusBar1[4].Text = "OK";
  st.form.Image[19].Visible = true;
  for (int pass = 1; pass <= 8; ++pass) Pass();
  EXPECT_EQ(st.form.StatusBar1[4].Text, "OK");
  Pass();
  EXPECT_EQ(st.form.StatusBar1[3].Text, "");
  EXPECT_EQ(st.form.StatusBar1[4].Text, "");
  EXPECT_FALSE(st.form.Image[19].Visible);
  Pass();
  EXPECT_EQ(st.state.StatusClearCountdown, 0);
}

TEST_F(CycleTest, ChargesOfThePassAreBooked) {
  st.state.ChannelPhone[5] = "9000000005";
  st.state.SmsChargeQueue[0] = 5;
  st.state.SmsChargeQueue[16] = 5;
  Pass();
  EXPECT_EQ(st.form.StringGrid3.Cells(3, 5), "9620");
}

}  // namespace
