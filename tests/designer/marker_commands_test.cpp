#include <gtest/gtest.h>

#include <filesystem>

#include "designer/apply_button.h"
#include "designer/blink.h"
#include "designer/exit_command.h"
#include "designer/markers.h"
#include "designer/spinners.h"
#include "designer/startup_load.h"
#include "designer/write_settings_file.h"
#include "tests/designer/designer_fixture.h"

namespace {

using designer::SpinButton;
using designer_testing::DefaultPlanBytes;
using designer_testing::DesignerTest;
using designer_testing::LoadedDesignerTest;

TEST_F(DesignerTest, PlaceMarkerMovesOnlyTheMarkerItsIndexNames) {
  const auto before = Positions();
  designer::Marker(desk, 1).Visible = false;
  for (int index : {-1, 0, 1, 18, 1000}) designer::PlaceMarker(desk, index, 5, 6);
  EXPECT_EQ(Positions(), before);
  designer::PlaceMarker(desk, 2, -7, 70000);
  designer::PlaceMarker(desk, 17, 9, 10);
  EXPECT_EQ(Position(1), std::make_pair(-7, 70000));
  EXPECT_EQ(Position(16), std::make_pair(9, 10));
  EXPECT_FALSE(designer::Marker(desk, 1).Visible);  // visibility is not touched
}

TEST(DesignerSpinner, StepsTheShownNumberWithinItsRange) {
  struct Case {
    int min, max, position;
    const char* text;
    SpinButton button;
    const char* shown;
  };
  const Case cases[] = {
      {1, 16, 1, "5", SpinButton::kUp, "6"},
      {1, 16, 1, "16", SpinButton::kUp, "16"},
      {1, 16, 1, "1", SpinButton::kDown, "1"},
      {1, 16, 3, "abc", SpinButton::kUp, "4"},
      {1, 16, 3, "", SpinButton::kDown, "2"},
      {0, 530, 0, "600", SpinButton::kUp, "530"},
      {0, 530, 0, "600", SpinButton::kDown, "529"},
      {0, 361, 9, "-5", SpinButton::kDown, "0"},
      {0, 530, 0, " 7", SpinButton::kUp, "8"},
      {0, 530, 0, "99999999999", SpinButton::kUp, "530"},
      {0, 530, 0, "999", SpinButton::kUp, "530"},  // no thousands separator
  };
  for (const Case& c : cases) {
    designer::TUpDown spinner{c.min, c.max, c.position};
    designer::TEdit edit{c.text};
    designer::StepUpDown(spinner, edit, c.button);
    EXPECT_EQ(edit.Text, c.shown) << c.text;
    EXPECT_EQ(std::to_string(spinner.Position), c.shown) << c.text;
  }
}

TEST_F(LoadedDesignerTest, AMovedButUnappliedMarkerReturnsOnReselectionAndIsSavedFromTheGrid) {
  form().Edit1.Text = "2";
  SelectUp();  // marker 3
  EXPECT_EQ(form().Edit1.Text, "3");
  EXPECT_EQ(form().Edit2.Text, "64");
  EXPECT_EQ(form().Edit3.Text, "16");

  HorizontalUp();
  HorizontalUp();
  EXPECT_EQ(Position(3), std::make_pair(66, 16));
  EXPECT_EQ(Cell(1, 3), "64");  // the grid does not change

  SelectUp();  // marker 4
  EXPECT_EQ(Position(3), std::make_pair(66, 16));
  SelectDown();  // marker 3 again
  EXPECT_EQ(Position(3), std::make_pair(64, 16));

  HorizontalUp();
  dialogs.text_answers = {"saved.txt"};
  designer::N8Click(desk);
  EXPECT_EQ(folder.Read("saved.txt"), DefaultPlanBytes());
}

TEST_F(LoadedDesignerTest, ASpinnerOverATextThatIsNoNumberMovesNothing) {
  Cell(1, 2) = "abc";
  designer::StepUpDown(form().UpDown1, form().Edit1, SpinButton::kUp);  // marker 2
  EXPECT_EQ(ErrorOf(designer::UpDown1Click), "'abc' is not a valid integer value");
  // The row's texts reached the edit fields before the conversion.
  EXPECT_EQ(form().Edit2.Text, "abc");
  EXPECT_EQ(form().Edit3.Text, "16");
  EXPECT_EQ(Position(2), std::make_pair(48, 16));

  form().Edit1.Text = "x";
  form().Edit2.Text = "100";
  EXPECT_EQ(ErrorOf(designer::UpDown3Click), "'x' is not a valid integer value");
  EXPECT_EQ(Positions()[0], std::make_pair(32, 16));
}

TEST_F(LoadedDesignerTest, ApplyTakesTheCoordinatesAsSixteenBitNumbers) {
  form().Edit1.Text = "5";
  form().Edit2.Text = "-1";
  form().Edit3.Text = "70000";
  designer::BitBtn1Click(desk);
  EXPECT_EQ(Position(5), std::make_pair(65535, 4464));
  EXPECT_EQ(Cell(1, 5), "65535");
  EXPECT_EQ(Cell(2, 5), "4464");
  EXPECT_EQ(form().Edit2.Text, "-1");
  EXPECT_EQ(form().Edit3.Text, "70000");
}

TEST_F(LoadedDesignerTest, ApplyWithANumberOutsideOneToSixteenMovesAndWritesNothing) {
  const auto positions = Positions();
  const auto cells = GridCells();
  for (const char* n : {"0", "17", "-3", "2147483647", "-2147483648"}) {
    form().Edit1.Text = n;
    form().Edit2.Text = "100";
    form().Edit3.Text = "100";
    designer::BitBtn1Click(desk);
    EXPECT_EQ(Positions(), positions) << n;
    EXPECT_EQ(GridCells(), cells) << n;
  }
}

TEST_F(LoadedDesignerTest, ApplyWithATextThatIsNoNumberChangesNothing) {
  const auto cells = GridCells();
  form().Edit1.Text = "1";
  form().Edit2.Text = "200";
  form().Edit3.Text = "1 0";
  EXPECT_EQ(ErrorOf(designer::BitBtn1Click), "'1 0' is not a valid integer value");
  EXPECT_EQ(Position(1), std::make_pair(32, 16));
  EXPECT_EQ(GridCells(), cells);
}

TEST_F(LoadedDesignerTest, BlinkingHidesForOneTickShowsForTwoAndGoesOnAcrossStopAndStart) {
  auto all_shown = [&] {
    int shown = 0;
    for (int k = 1; k <= 16; ++k) shown += designer::Marker(desk, k).Visible ? 1 : 0;
    EXPECT_TRUE(shown == 0 || shown == 16) << shown;  // all blink together
    return shown == 16;
  };
  EXPECT_FALSE(form().Timer4.Enabled);
  designer::N4Click(desk);
  EXPECT_TRUE(form().Timer4.Enabled);
  std::vector<bool> seen;
  for (int tick = 0; tick < 4; ++tick) {
    designer::Timer4Timer(desk);
    seen.push_back(all_shown());
  }
  EXPECT_EQ(seen, (std::vector<bool>{false, true, true, false}));

  designer::N5Click(desk);  // stopped in the hidden phase
  EXPECT_FALSE(form().Timer4.Enabled);
  EXPECT_TRUE(all_shown());
  designer::N4Click(desk);
  seen.clear();
  for (int tick = 0; tick < 3; ++tick) {
    designer::Timer4Timer(desk);
    seen.push_back(all_shown());
  }
  EXPECT_EQ(seen, (std::vector<bool>{true, true, false}));
}

TEST_F(LoadedDesignerTest, ExitAsksAndEndsOnlyOnOkWithoutWritingAFile) {
  Cell(1, 1) = "500";  // an unsaved change, not mentioned
  dialogs.confirm_answers = {false, true};
  designer::BitBtn2Click(desk);
  EXPECT_FALSE(desk.state.TerminateRequested);
  designer::N3Click(desk);
  EXPECT_TRUE(desk.state.TerminateRequested);

  const auto boxes = dialogs.OfKind("confirm");
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].text, "Вы действительно хотите выйти?");
  EXPECT_EQ(boxes[1].caption, "Выход из программы");
  EXPECT_EQ(boxes[1].icon, common::BoxIcon::Question);
  EXPECT_EQ(folder.Read("pust.txt"), DefaultPlanBytes());
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path),
                          std::filesystem::directory_iterator()),
            1);
}

}  // namespace
