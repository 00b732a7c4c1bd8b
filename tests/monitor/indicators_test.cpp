#include "monitor/indicators.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/monitor/cycle_fixture.h"

namespace {

using monitor::clBtnFace;
using monitor::clGreen;
using monitor::clRed;
using monitor::clYellow;
using testing_support::CycleTest;

TEST_F(CycleTest, ChannelsAreRedrawnOnlyWhenTheirStampChanges) {
  Status(21) = "Вкл";
  Status(29) = " ";  // any text lights an indicator
  Pass();
  EXPECT_EQ(st.form.Shape[21].Brush, clBtnFace);  // typed by hand: the stamp did not change

  st.core.ChannelStamp[2] = 7;
  Pass();
  EXPECT_EQ(st.form.Shape[21].Brush, clRed);
  EXPECT_EQ(st.form.Shape[29].Brush, clGreen);
  EXPECT_EQ(st.core.ShownStamp[2], 7);

  ReceiveRs485(2, {}, 7);  // the same word again: no redraw, although the cells changed
  Pass();
  EXPECT_EQ(Status(21), "");
  EXPECT_EQ(st.form.Shape[21].Brush, clRed);
  ReceiveRs485(2, {}, 0);
  Pass();
  for (int r = 17; r <= 32; ++r) EXPECT_EQ(st.form.Shape[r].Brush, clBtnFace) << r;
}

TEST_F(CycleTest, LinkFramesFollowTheAgeWithTheirChannelsThreshold) {
  struct Step {
    int age;
    monitor::Color ch3, ch9;  // frame after the pass
    int clamped;
  };
  // Both frames start yellow from an answer, then age.
  st.state.LinkAge[3] = 0;
  st.state.LinkAge[9] = 0;
  Pass();
  const std::vector<Step> steps = {
      {0, clYellow, clYellow, 0},       {50, clYellow, clYellow, 50},
      {51, clBtnFace, clYellow, 51},    {100, clBtnFace, clYellow, 100},
      {0, clYellow, clYellow, 0},       {101, clBtnFace, clBtnFace, 101},
      {0, clYellow, clYellow, 0},       {110, clBtnFace, clBtnFace, 101},
      {120, clBtnFace, clBtnFace, 101}, {20, clBtnFace, clBtnFace, 20},
  };
  for (const Step& s : steps) {
    st.state.LinkAge[3] = static_cast<std::uint8_t>(s.age);
    st.state.LinkAge[9] = static_cast<std::uint8_t>(s.age);
    Pass();
    EXPECT_EQ(st.form.GroupBox[3].Background, s.ch3) << s.age;
    EXPECT_EQ(st.form.GroupBox[9].Background, s.ch9) << s.age;
    EXPECT_EQ(st.state.LinkAge[3], s.clamped) << s.age;
    EXPECT_EQ(st.state.LinkAge[9], s.clamped) << s.age;
  }
  EXPECT_EQ(st.form.GroupBox[5].Background, clBtnFace);  // 20 since the start-up
}

TEST_F(CycleTest, OutputBoxesCarryCommandsAndShowReports) {
  st.form.CheckBox[30].Checked = true;  // P1 of channel 7
  monitor::OutputCheckBoxClick(st, 30);
  EXPECT_TRUE(st.state.OutputChanged[7].P1);
  EXPECT_TRUE(st.state.OutputCmd[7].P1);  // at once, not only at the next pass
  EXPECT_FALSE(st.form.Timer5.Enabled);
  Pass();
  EXPECT_TRUE(st.form.Timer5.Enabled);

  st.form.Timer5.Enabled = false;
  st.form.CheckBox[21].Checked = true;  // P2 of channel 2
  monitor::OutputCheckBoxClick(st, 21);
  st.state.OutputChanged[7] = {};
  Pass();
  EXPECT_TRUE(st.state.OutputChanged[2].P2);
  EXPECT_TRUE(st.state.OutputCmd[2].P2);
  EXPECT_FALSE(st.form.Timer5.Enabled);

  st.state.OutputState[1].P1 = true;
  Pass();
  EXPECT_EQ(st.form.CheckBox[18].Background, clRed);
  EXPECT_FALSE(st.form.CheckBox[18].Checked);
  EXPECT_FALSE(st.state.OutputCmd[1].P1);
  st.state.OutputState[1].P1 = false;
  Pass();
  EXPECT_EQ(st.form.CheckBox[18].Background, clBtnFace);

  st.form.CheckBox[49].Checked = true;  // a box ticked without its click still reaches OutputCmd
  Pass();
  EXPECT_TRUE(st.state.OutputCmd[16].P2);
}

// The pass calls the sync once: a second call must find nothing left to change,
// whatever mix of pending changes, ticked boxes and reported outputs it meets.
TEST_F(CycleTest, ASecondSyncOfTheOutputBoxesChangesNothing) {
  st.state.OutputChanged[3].P1 = true;  // pending on a channel that does not wake the timer
  st.state.OutputChanged[9].P2 = true;
  st.form.CheckBox[monitor::OutputBoxP1(4)].Checked = true;
  st.form.CheckBox[monitor::OutputBoxP2(16)].Checked = true;
  st.state.OutputCmd[5].P1 = true;  // commanded, its box since unticked
  st.state.OutputState[4].P2 = true;
  st.state.OutputState[12].P1 = true;
  monitor::SyncOutputCheckBoxes(st);
  const monitor::ConsoleForm form = st.form;
  const auto flatten = [](const monitor::PerChannel<monitor::OutputPair>& pairs) {
    std::vector<int> flat;
    for (const auto& p : pairs) flat.insert(flat.end(), {p.P1, p.P2});
    return flat;
  };
  const auto cmd = flatten(st.state.OutputCmd);
  monitor::SyncOutputCheckBoxes(st);
  EXPECT_TRUE(st.form == form);
  EXPECT_EQ(flatten(st.state.OutputCmd), cmd);
  EXPECT_EQ(cmd[2 * 5], 0);
  EXPECT_TRUE(st.form.Timer5.Enabled);
}

}  // namespace
