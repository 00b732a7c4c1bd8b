#include "monitor/plan_view.h"
#include "monitor/demonstration.h"
#include "monitor/timer4_timer.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/platform_error.h"
#include "tests/monitor/cycle_fixture.h"
#include "tests/support/pipe_watchdog.h"

namespace {

using testing_support::CycleTest;
using testing_support::FakePorts;

std::string DefaultPlanBytes() {
  std::string bytes;
  for (int k = 1; k <= 16; ++k) bytes += std::to_string(16 * k + 16) + "\r\n16\r\n";
  return bytes;
}

TEST(PlanStartUp, MissingPust1WritesAllSixteenDefaultsReplacingOthers) {
  FakePorts fakes;
  monitor::Station st{fakes.Ports()};
  fakes.folder.Write("pust7.txt", "1\r\n");
  monitor::Timer3Timer(st);
  for (int c = 1; c <= 16; ++c) {
    EXPECT_EQ(fakes.folder.Read("pust" + std::to_string(c) + ".txt"), DefaultPlanBytes()) << c;
  }
  for (int k = 1; k <= 16; ++k) {
    EXPECT_EQ(st.form.Image[k + 1].Left, 16 * k + 16);
    EXPECT_EQ(st.form.Image[k + 1].Top, 16);
    EXPECT_FALSE(st.form.Image[k + 1].Visible);
  }
  EXPECT_FALSE(st.form.Timer4.Enabled);
  EXPECT_FALSE(st.core.PlanShown);
  EXPECT_TRUE(fakes.picture.loads.empty());
}

TEST(PlanStartUp, PresentPust1WritesNothingAndAMissingPlanFailsOnItsButton) {
  FakePorts fakes;
  monitor::Station st{fakes.Ports()};
  fakes.folder.Write("pust1.txt", DefaultPlanBytes());
  fakes.folder.Write("fon1.bmp", "BM");
  monitor::Timer3Timer(st);
  EXPECT_FALSE(fakes.folder.Exists("pust5.txt"));
  ASSERT_EQ(fakes.picture.loads.size(), 1u);
  EXPECT_NE(st.form.Image[1].Picture, nullptr);

  try {
    monitor::ChannelButtonClick(st, 5);
    FAIL();
  } catch (const common::PlatformError& e) {
    EXPECT_STREQ(e.what(), "File not found");
  }
  EXPECT_EQ(st.core.PlanChannel, 5);
  EXPECT_EQ(st.form.ActivePageIndex, 0);
  EXPECT_FALSE(st.core.PlanShown);
  EXPECT_FALSE(st.form.Timer4.Enabled);
}

// A plan file that a pipe or a device stands for is refused on its button at
// once, as any unreadable plan file, and stays as it is.
TEST_F(CycleTest, APlanFileThatIsAPipeOrADeviceIsRefusedOnItsButtonAtOnce) {
  for (const char* name : {"pust2.txt", "pust3.txt", "pust4.txt"})
    std::filesystem::remove(fakes.folder.path / name);  // the start-up's defaults
  const auto pipe = fakes.folder.path / "pust2.txt";
  testing_support::MakePipe(pipe);
  std::filesystem::create_symlink(pipe, fakes.folder.path / "pust3.txt");
  std::filesystem::create_symlink("/dev/zero", fakes.folder.path / "pust4.txt");
  for (const int channel : {2, 3, 4}) {
    const testing_support::PipeWatchdog guard({pipe});
    try {
      monitor::ChannelButtonClick(st, channel);
      ADD_FAILURE() << channel;
    } catch (const common::PlatformError& e) {
      EXPECT_STREQ(e.what(), "File access denied") << channel;
    }
    EXPECT_FALSE(st.core.PlanShown) << channel;
    EXPECT_EQ(st.form.ActivePageIndex, 0) << channel;
  }
  EXPECT_TRUE(testing_support::IsPipe(pipe));
}

TEST_F(CycleTest, OpeningAPlanFillsTheGridAndMarkersBlinkInOnePhase) {
  fakes.folder.Write("fon3.bmp", "BM");
  Status(33) = "Вкл";  // signal 1 of channel 3
  Status(40) = "x";    // any text counts as on
  monitor::ChannelButtonClick(st, 3);
  EXPECT_EQ(st.form.ActivePageIndex, 2);
  EXPECT_EQ(st.core.PlanChannel, 3);
  EXPECT_EQ(st.form.StringGrid2.Cells(1, 0), " ЦТП 3");
  EXPECT_EQ(st.form.StringGrid2.Cells(1, 1), "32");
  EXPECT_EQ(st.form.StringGrid2.Cells(2, 1), "Вкл");
  EXPECT_TRUE(st.form.Timer4.Enabled);
  EXPECT_EQ(fakes.picture.loads.size(), 1u);

  std::vector<bool> shown;
  for (int tick = 0; tick < 4; ++tick) {
    monitor::Timer4Timer(st);
    EXPECT_EQ(st.form.Image[2].Visible, st.form.Image[9].Visible);
    EXPECT_FALSE(st.form.Image[3].Visible);  // an off signal stays hidden
    shown.push_back(st.form.Image[2].Visible);
  }
  EXPECT_EQ(shown, (std::vector<bool>{true, false, true, false}));

  st.form.StringGrid2.Cells(2, 2) = "typed";  // the markers follow the plan grid
  monitor::Timer4Timer(st);
  EXPECT_TRUE(st.form.Image[3].Visible);
}

TEST_F(CycleTest, BadPlanFilesLeaveThePlanAsItWas) {
  struct Case {
    std::string bytes;
    std::string error;
  };
  std::string last_bad = DefaultPlanBytes();
  last_bad.replace(last_bad.size() - 4, 2, "16 ");
  const std::vector<Case> cases = {
      {DefaultPlanBytes().substr(0, DefaultPlanBytes().size() - 4),
       "'' is not a valid integer value"},
      {last_bad, "'16 ' is not a valid integer value"},
      {"\r\n" + DefaultPlanBytes(), "'' is not a valid integer value"},
  };
  monitor::ChannelButtonClick(st, 1);
  for (const Case& c : cases) {
    fakes.folder.Write("pust4.txt", c.bytes);
    st.form.Image[2].Left = 999;
    try {
      monitor::ChannelButtonClick(st, 4);
      ADD_FAILURE() << c.error;
    } catch (const common::PlatformError& e) {
      EXPECT_EQ(e.what(), c.error);
    }
    EXPECT_EQ(st.form.Image[2].Left, 999);
    EXPECT_EQ(st.form.StringGrid2.Cells(1, 0), " ЦТП 1");
    EXPECT_EQ(st.core.PlanChannel, 4);
  }
  std::string spaced = " 48\r\n-20\r\n" + DefaultPlanBytes().substr(8);
  fakes.folder.Write("pust4.txt", spaced + "9\r\n9\r\n");
  monitor::ChannelButtonClick(st, 4);
  EXPECT_EQ(st.form.Image[2].Left, 48);
  EXPECT_EQ(st.form.Image[2].Top, -20);
}

TEST_F(CycleTest, DemonstrationStartAsksForAnOperatorAndStepsEverySixthTick) {
  fakes.dialogs.confirm_answers = {false};
  monitor::N15Click(st);
  EXPECT_FALSE(st.core.DemoRunning);
  EXPECT_TRUE(st.form.FindMenuItem("N16")->Checked);
  EXPECT_EQ(fakes.dialogs.boxes.back().text, "Не выбрана фамилия оператора.Продолжить? ");
  EXPECT_EQ(fakes.dialogs.boxes.back().caption, "Демонстрационный режим ");

  st.form.ComboBox1.Text = "Петров";
  monitor::N15Click(st);
  EXPECT_EQ(fakes.dialogs.boxes.size(), 1u);  // an operator is chosen: no question
  EXPECT_TRUE(st.core.DemoRunning);
  EXPECT_TRUE(st.form.FindMenuItem("N15")->Checked);
  EXPECT_FALSE(st.form.FindMenuItem("N16")->Checked);
  EXPECT_EQ(st.core.PlanChannel, 16);
  EXPECT_EQ(st.form.ActivePageIndex, 2);

  monitor::Timer4Timer(st);  // divider 0: the first step
  EXPECT_EQ(Status(241), "Вкл");
  EXPECT_EQ(st.core.ChannelStamp[16], 1);
  EXPECT_EQ(st.state.LinkAge[16], 0);
  EXPECT_EQ(st.form.StringGrid2.Cells(2, 1), "Вкл");
  EXPECT_EQ(st.form.StringGrid1.Cells(3, 241), "");
  for (int tick = 0; tick < 5; ++tick) monitor::Timer4Timer(st);
  EXPECT_EQ(Status(242), "");
  monitor::Timer4Timer(st);
  EXPECT_EQ(Status(242), "Вкл");

  monitor::N16Click(st);
  EXPECT_FALSE(st.core.DemoRunning);
  EXPECT_TRUE(st.form.FindMenuItem("N16")->Checked);
  for (int tick = 0; tick < 12; ++tick) monitor::Timer4Timer(st);
  EXPECT_EQ(Status(243), "");
  EXPECT_TRUE(st.form.Timer4.Enabled);
}

}  // namespace
