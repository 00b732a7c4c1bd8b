#include "stanplan/designer_app.h"

#include <gtest/gtest.h>

#include "common/timer_bank.h"
#include "designer/markers.h"
#include "tests/support/common_fakes.h"

namespace {

using designer::SpinButton;

struct DesignerAppTest : ::testing::Test {
  testing_support::TempFolder folder;
  testing_support::ScriptedDialogs dialogs;
  testing_support::FakePicture picture;
  stanplan::DesignerApp app{designer::DesignerPorts{dialogs, picture, folder.path}};
  common::VirtualTime time{app.timers()};

  // The timers see what a handler switched, as after every event in the program.
  void Advance(int ms) {
    app.timers().Sync(time.Now());
    time.Advance(ms);
  }
  std::vector<testing_support::Box> Errors() const { return dialogs.OfKind("inform"); }
  bool MarkersShown() { return designer::Marker(app.desk(), 1).Visible; }
};

TEST_F(DesignerAppTest, TheStartUpLoadRunsOnTheFirstTickOfTimer3) {
  Advance(999);
  EXPECT_FALSE(app.state().SettingsLoaded);
  EXPECT_FALSE(folder.Exists("pust.txt"));
  Advance(1);
  EXPECT_TRUE(app.state().SettingsLoaded);
  EXPECT_EQ(app.form().Edit2.Text, "32");
}

TEST_F(DesignerAppTest, AFailedStartUpLoadIsShownOnceAndCreateLoadsAgain) {
  folder.Write("pust.txt", "bad\r\n");
  Advance(5000);
  auto errors = Errors();
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].text, "'bad' is not a valid integer value.");
  EXPECT_EQ(errors[0].caption, "Stanplan");
  EXPECT_EQ(errors[0].icon, common::BoxIcon::Error);
  EXPECT_FALSE(app.state().SettingsLoaded);

  ASSERT_TRUE(app.Click("N9"));  // OK in the box
  Advance(1000);
  EXPECT_TRUE(app.state().SettingsLoaded);
  EXPECT_EQ(app.form().StringGrid1.Cells(1, 1), "32");
  EXPECT_EQ(Errors().size(), 1u);
}

TEST_F(DesignerAppTest, EveryCommandReachesItsHandler) {
  Advance(1000);
  struct Case {
    const char* control;
    const char* kind;
    const char* text;
  };
  const Case cases[] = {
      {"ToolButton1", "confirm", "Старые установки будут стерты"},
      {"N9", "confirm", "Старые установки будут стерты"},
      {"ToolButton5", "open", "Открыть фоновый рисунок "},
      {"N6", "open", "Открыть фоновый рисунок "},
      {"ToolButton2", "open", "Выбор установок"},
      {"N7", "open", "Выбор установок"},
      {"ToolButton4", "save", "Запись установок"},
      {"N8", "save", "Запись установок"},
      {"BitBtn2", "confirm", "Вы действительно хотите выйти?"},
      {"N3", "confirm", "Вы действительно хотите выйти?"},
  };
  for (const Case& c : cases) {
    dialogs.boxes.clear();
    dialogs.confirm_answers = {false};
    ASSERT_TRUE(app.Click(c.control)) << c.control;
    ASSERT_EQ(dialogs.boxes.size(), 1u) << c.control;
    EXPECT_EQ(dialogs.boxes[0].kind, c.kind) << c.control;
    EXPECT_EQ(dialogs.boxes[0].text, c.text) << c.control;
  }
  for (const char* none : {"ToolButton3", "ToolButton7", "ToolButton8", "Image2", "BitBtn9"}) {
    EXPECT_FALSE(app.HasClickHandler(none)) << none;
  }
  EXPECT_FALSE(app.Spin("UpDown4", SpinButton::kUp));

  app.form().Edit1.Text = "2";
  app.form().Edit2.Text = "10";
  ASSERT_TRUE(app.Click("BitBtn1"));
  EXPECT_EQ(app.form().StringGrid1.Cells(1, 2), "10");
}

TEST_F(DesignerAppTest, SpinnersStepThenRunTheirHandlers) {
  Advance(1000);
  ASSERT_TRUE(app.Spin("UpDown2", SpinButton::kUp));
  EXPECT_EQ(app.form().Edit2.Text, "33");
  EXPECT_EQ(designer::Marker(app.desk(), 1).Left, 33);
  ASSERT_TRUE(app.Spin("UpDown3", SpinButton::kDown));
  EXPECT_EQ(designer::Marker(app.desk(), 1).Top, 15);
  ASSERT_TRUE(app.Spin("UpDown1", SpinButton::kUp));
  EXPECT_EQ(app.form().Edit1.Text, "2");
  EXPECT_EQ(app.form().Edit2.Text, "48");
  EXPECT_EQ(designer::Marker(app.desk(), 2).Left, 48);
}

// An arrow at the end of its range leaves the number as it is and runs no
// handler, so what the user typed and has not applied stays.
TEST_F(DesignerAppTest, AnArrowAtTheEndOfItsRangeRunsNoHandler) {
  Advance(1000);
  struct Case {
    const char* spinner;
    SpinButton button;
    std::string edit1, edit2, edit3;
  };
  const Case cases[] = {
      {"UpDown1", SpinButton::kUp, "16", "123", "45"},
      {"UpDown1", SpinButton::kDown, "1", "123", "45"},
      {"UpDown2", SpinButton::kUp, "1", "530", "45"},
      {"UpDown3", SpinButton::kDown, "1", "123", "0"},
  };
  for (const Case& c : cases) {
    designer::DesignerForm& f = app.form();
    f.Edit1.Text = c.edit1;
    f.Edit2.Text = c.edit2;
    f.Edit3.Text = c.edit3;
    const auto& marker = designer::Marker(app.desk(), std::stoi(c.edit1));
    const std::pair<int, int> before{marker.Left, marker.Top};
    ASSERT_TRUE(app.Spin(c.spinner, c.button));
    EXPECT_EQ(f.Edit1.Text, c.edit1) << c.spinner;
    EXPECT_EQ(f.Edit2.Text, c.edit2) << c.spinner;
    EXPECT_EQ(f.Edit3.Text, c.edit3) << c.spinner;
    EXPECT_EQ(std::make_pair(marker.Left, marker.Top), before) << c.spinner;
  }
  // A number typed beyond the range is brought into it: that is a change.
  app.form().Edit1.Text = "20";
  ASSERT_TRUE(app.Spin("UpDown1", SpinButton::kUp));
  EXPECT_EQ(app.form().Edit1.Text, "16");
  EXPECT_EQ(app.form().Edit2.Text, "272");
}

// A NUL byte read from a file does not cut the error text short in the box.
TEST_F(DesignerAppTest, AnErrorTextHoldingANulIsShownWhole) {
  folder.Write("pust.txt", std::string{'1', '\0', '2', '\r', '\n'});
  Advance(1000);
  const auto errors = Errors();
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].text, "'1^@2' is not a valid integer value.");
}

TEST_F(DesignerAppTest, AnErrorEndingAClickIsShownCaptionedWithTheProgramsName) {
  Advance(1000);
  app.form().Edit2.Text = "1,5";
  ASSERT_TRUE(app.Click("BitBtn1"));
  const auto errors = Errors();
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].text, "'1,5' is not a valid integer value.");
  EXPECT_EQ(errors[0].caption, "Stanplan");
}

TEST_F(DesignerAppTest, TheBlinkTicksEvery400Milliseconds) {
  Advance(1000);
  app.Click("N4");
  Advance(399);
  EXPECT_TRUE(MarkersShown());
  Advance(1);
  EXPECT_FALSE(MarkersShown());
  Advance(400);
  EXPECT_TRUE(MarkersShown());
  Advance(800);
  EXPECT_FALSE(MarkersShown());
  app.Click("N5");
  EXPECT_TRUE(MarkersShown());
  Advance(4000);
  EXPECT_TRUE(MarkersShown());
}

TEST_F(DesignerAppTest, ExitConfirmedRequestsTheEnd) {
  dialogs.confirm_answers = {true};
  app.Click("BitBtn2");
  EXPECT_TRUE(app.TerminateRequested());
}

}  // namespace
