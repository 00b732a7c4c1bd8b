// The whole console driven through virtual time, as devices and the operator would.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "common/cp1251.h"
#include "common/timer_bank.h"
#include "stanmon/console.h"
#include "tests/support/fakes.h"

namespace {

struct Scenario : ::testing::Test {
  testing_support::FakePorts fakes;
  stanmon::Console console{fakes.Ports()};
  common::VirtualTime time{console.timers()};

  void SetUp() override { time.Advance(251); }  // start-up on the first main-cycle tick

  std::string Archive() {
    return common::Cp1251ToUtf8(fakes.folder.Read(console.station().core.ArchiveFileName));
  }
  int ArchiveLines() {
    const std::string text = Archive();
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
  }
  std::string& Status(int row) { return console.form().StringGrid1.Cells(2, row); }
};

TEST_F(Scenario, AnRs485SetReachesTheScreenJournalAndArchiveOnTheNextPass) {
  console.form().Edit2.Text = "9123456789";
  time.Advance(100);
  console.state().RxRs485 = {2, "0000100000000000", 0x0800, 1};  // as the poll decoder leaves it
  EXPECT_EQ(Status(21), "");
  time.Advance(151);  // the next pass
  EXPECT_EQ(Status(21), "Вкл");
  EXPECT_EQ(console.form().Shape[21].Brush, monitor::clRed);
  EXPECT_EQ(console.form().StringGrid7.Cells(6, 1), "SMS+");
  EXPECT_EQ(ArchiveLines(), 1);
  EXPECT_TRUE(console.state().SirenOn);
  EXPECT_TRUE(console.form().Timer5.Enabled);
  EXPECT_TRUE(console.state().SmsAlarmArmed);
}

TEST_F(Scenario, DemonstrationRunsThirtyTwoStepsThroughTheMainCycle) {
  console.form().Edit19.Text = "9123456789";
  console.form().ComboBox1.Text = "Иванов";
  ASSERT_TRUE(console.Click("N15"));
  EXPECT_EQ(console.form().ActivePageIndex, 2);

  // One step every sixth 401 ms tick; each lands in the journal and archive on the next pass.
  for (int step = 1; step <= 32; ++step) {
    time.Advance(6 * 401);
    EXPECT_EQ(ArchiveLines(), step) << step;
    const int signal = (step - 1) % 16 + 1;
    EXPECT_EQ(console.form().StringGrid7.Cells(5, 1), step <= 16 ? "Вкл" : "Отк") << step;
    EXPECT_EQ(console.form().StringGrid7.Cells(3, 1),
              "16_" + std::string(signal < 10 ? "0" : "") + std::to_string(signal));
    if (step == 1) {
      EXPECT_TRUE(console.state().SmsAlarmArmed);
      EXPECT_TRUE(console.state().SirenOn);
      EXPECT_TRUE(console.form().Timer5.Enabled);
      EXPECT_EQ(console.form().GroupBox[16].Background, monitor::clYellow);
      EXPECT_EQ(console.form().Shape[241].Brush, monitor::clRed);
    }
  }
  for (int r = 241; r <= 256; ++r) EXPECT_EQ(Status(r), "") << r;
  EXPECT_NE(Archive().find(" Иванов,    ЦТП 16  16_01 Вкл    240"), std::string::npos);

  console.Click("N16");  // stop, then start again: the next signal after the cursor
  time.Advance(12 * 401);
  EXPECT_EQ(ArchiveLines(), 32);
  console.Click("N15");
  time.Advance(6 * 401);
  EXPECT_EQ(Status(241), "Вкл");

  console.station().core.ChannelStamp[16] = 7;  // a report for channel 16 moves the cursor
  time.Advance(6 * 401);
  EXPECT_EQ(Status(248), "Вкл");
}

// Today's archive is in the way (a folder) for a minute, and the operator leaves
// the box about it open for 45 s. The desk watches on meanwhile, and afterwards
// the archive holds every line of that minute, in order, with its event's time.
TEST_F(Scenario, AnArchiveInTheWayForAMinuteLosesNoLineAndStopsNothing) {
  console.form().Edit2.Text = "9123456789";
  const auto archive = fakes.folder.path / console.station().core.ArchiveFileName;
  std::filesystem::remove(archive);
  std::filesystem::create_directory(archive);
  auto at = [&](int minute, int second) {
    fakes.clock.now.minute = minute;
    fakes.clock.now.second = second;
  };
  auto report = [&](int channel, int signal) {
    std::string bits(16, '0');
    if (signal > 0) bits[signal - 1] = '1';
    console.state().RxRs485 = {channel, bits, static_cast<std::uint16_t>(signal), 1};
  };
  fakes.dialogs.while_next_box_open = [&] {
    at(8, 10);
    report(2, 5);  // a signal of 7 s
    time.Advance(7000);
    EXPECT_TRUE(console.state().SirenOn);
    EXPECT_EQ(console.form().StringGrid7.Cells(6, 1), "SMS+");
    at(8, 17);
    report(2, 0);
    time.Advance(3000);
    at(8, 20);
    console.Click("BitBtn22");
    at(8, 30);
    report(3, 1);
    time.Advance(35000);
  };
  at(8, 9);
  time.Advance(251);  // the pass that finds the archive in the way opens the box
  EXPECT_EQ(console.form().StringGrid7.Cells(3, 1), "03_01");
  EXPECT_EQ(console.form().StringGrid7.Cells(3, 3), "02_05");
  EXPECT_TRUE(console.form().Timer5.Enabled);
  EXPECT_TRUE(console.state().SmsAlarmArmed);

  at(9, 10);
  std::filesystem::remove(archive);
  time.Advance(251);
  at(9, 20);
  report(4, 16);
  time.Advance(251);

  EXPECT_EQ(Archive(),
            "05.03.2026 14:08:10   ???  ,    ЦТП 2  02_05 Вкл    20\r\n"
            "05.03.2026 14:08:17   ???  ,    ЦТП 2  02_05 Отк    20\r\n"
            "05.03.2026 14:08:20 Оператор     Сигнал принят !!! \r\n"
            "05.03.2026 14:08:30   ???  ,    ЦТП 3  03_01 Вкл    32\r\n"
            "05.03.2026 14:09:20   ???  ,    ЦТП 4  04_16 Вкл    63\r\n");
  const auto boxes = fakes.dialogs.OfKind("inform");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "File access denied.");
  EXPECT_EQ(boxes[0].icon, common::BoxIcon::Error);
}

}  // namespace
