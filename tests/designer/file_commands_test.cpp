#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "common/line_file.h"
#include "designer/background_picture.h"
#include "designer/create_settings_file.h"
#include "designer/read_settings_file.h"
#include "designer/spinners.h"
#include "designer/startup_load.h"
#include "designer/write_settings_file.h"
#include "tests/designer/designer_fixture.h"
#include "tests/support/pipe_watchdog.h"

namespace {

using designer_testing::DefaultPlanBytes;
using designer_testing::DesignerRig;
using designer_testing::DesignerTest;
using designer_testing::Lines;
using designer_testing::LoadedDesignerTest;

TEST_F(LoadedDesignerTest, EachDialogHasItsTitleFilterAndStartFolderAndRemembersTheLastChoice) {
  struct Case {
    std::function<void(designer::Desk&)> command;
    const char* kind;
    const char* title;
    const char* filter;
    const char* first_proposal;
    std::string chosen;
    int picked_filter;  // the filter entry the user switches to before choosing
  };
  folder.Write("a.bmp", "BM");
  folder.Write("a.txt", DefaultPlanBytes());
  const Case cases[] = {
      {designer::N6Click, "open", "Открыть фоновый рисунок ", "bmp|fon*.bmp|All files|*.*", "",
       "a.bmp", 2},
      {designer::N7Click, "open", "Выбор установок", "Файл установок|pust*.txt|All files|*.*", "",
       "a.txt", 2},
      {designer::N8Click, "save", "Запись установок", "Файл установок|pust*.txt", "pust.txt",
       "b.txt", 1},
  };
  for (const Case& c : cases) {
    dialogs = {};
    const std::string& chosen = c.chosen;
    dialogs.text_answers = {chosen, std::nullopt, std::nullopt};
    dialogs.filter_answers = {c.picked_filter, 1};
    c.command(desk);  // chosen
    c.command(desk);  // Cancel, after going back to the first entry
    c.command(desk);
    ASSERT_EQ(dialogs.boxes.size(), 3u) << c.title;
    for (const auto& box : dialogs.boxes) {
      EXPECT_EQ(box.kind, c.kind) << c.title;
      EXPECT_EQ(box.text, c.title);
      EXPECT_EQ(box.caption, c.filter);
    }
    // The working folder, where the plan files are, not the program's folder.
    EXPECT_EQ(dialogs.start_folders, std::vector<std::string>(3, folder.path.string())) << c.title;
    EXPECT_EQ(dialogs.proposed, (std::vector<std::string>{c.first_proposal, chosen, chosen}))
        << c.title;
    EXPECT_EQ(dialogs.proposed_filters, (std::vector<int>{1, c.picked_filter, c.picked_filter}))
        << c.title;
  }
}

TEST_F(LoadedDesignerTest, MenuReadFillsTheGridVerbatimAndLeavesMarkersAndEditsAlone) {
  struct Case {
    const char* name;
    std::string bytes;
    std::vector<std::vector<std::string>> rows;  // expected columns 1, 2 of rows 1..
  };
  std::vector<std::string> forty;
  for (int i = 1; i <= 40; ++i) forty.push_back(std::to_string(i));
  const Case cases[] = {
      {"empty file: grid unchanged", "", {{"32", "16"}, {"48", "16"}}},
      {"odd count: last column 2 empty",
       Lines({" 5", "abc", "", "7", "9"}),
       {{" 5", "abc"}, {"", "7"}, {"9", ""}, {"80", "16"}}},
      {"forty lines: first sixteen pairs", Lines(forty), {{"1", "2"}, {"3", "4"}}},
  };
  for (const Case& c : cases) {
    DesignerRig t;
    designer::Timer3Timer(t.desk);
    const auto positions = t.Positions();
    t.folder.Write("in.txt", c.bytes);
    t.dialogs.text_answers = {"in.txt"};
    designer::N7Click(t.desk);
    for (std::size_t r = 0; r < c.rows.size(); ++r) {
      const int row = static_cast<int>(r) + 1;
      EXPECT_EQ(t.Cell(1, row), c.rows[r][0]) << c.name << " row " << row;
      EXPECT_EQ(t.Cell(2, row), c.rows[r][1]) << c.name << " row " << row;
    }
    EXPECT_EQ(t.form().StatusBar1[1].Text, "in.txt") << c.name;
    EXPECT_EQ(t.Positions(), positions) << c.name;
    EXPECT_EQ(t.form().Edit2.Text, "32") << c.name;
    EXPECT_TRUE(t.dialogs.OfKind("inform").empty()) << c.name;
  }
  // Forty lines: pair 16 is lines 31, 32; the rest is dropped.
  DesignerRig t;
  designer::Timer3Timer(t.desk);
  t.folder.Write("in.txt", Lines(forty));
  t.dialogs.text_answers = {"in.txt"};
  designer::N7Click(t.desk);
  EXPECT_EQ(t.Cell(1, 16), "31");
  EXPECT_EQ(t.Cell(2, 16), "32");
  EXPECT_EQ(t.desk.form.StringGrid1.AllCells().size(), 51u);
}

TEST_F(LoadedDesignerTest, AReadErrorIsReportedInItsOwnBoxAndTheToolBarGoesOn) {
  std::filesystem::create_directory(folder.path / "folder.txt");
  // A pipe or a device is refused at once, with no wait for a writer.
  const auto pipe = folder.path / "pipe.txt";
  testing_support::MakePipe(pipe);
  std::filesystem::create_symlink("/dev/zero", folder.path / "zero.txt");
  for (const char* chosen : {"missing.txt", "folder.txt", "pipe.txt", "zero.txt"}) {
    const testing_support::PipeWatchdog guard({pipe});
    dialogs = {};
    Cell(1, 2) = "100";  // the grid's current content, which the tool bar then places
    form().Edit1.Text = "7";
    dialogs.text_answers = {chosen};
    designer::ToolButton2Click(desk);
    const auto boxes = Informs();
    ASSERT_EQ(boxes.size(), 1u) << chosen;
    EXPECT_EQ(boxes[0].text, "Ошибка чтения файла ");
    EXPECT_EQ(boxes[0].caption, "Error");
    EXPECT_EQ(boxes[0].icon, common::BoxIcon::Error);
    EXPECT_EQ(form().StatusBar1[1].Text, "") << chosen;
    EXPECT_EQ(Position(2), std::make_pair(100, 16)) << chosen;
    EXPECT_EQ(form().Edit1.Text, "1") << chosen;
  }
  EXPECT_TRUE(testing_support::IsPipe(pipe));
}

TEST_F(LoadedDesignerTest, AnOversizedWrongFileFillsTheGridWithItsFirstBytesOnly) {
  folder.Write("wrong.txt", std::string(15 << 20, '\n'));  // LF line ends: one 15 MB line
  dialogs.text_answers = {"wrong.txt"};
  designer::N7Click(desk);
  ASSERT_EQ(Cell(1, 1).size(), common::kMaxSettingLineBytes);
  EXPECT_EQ(Cell(1, 1).find_first_not_of('\n'), std::string::npos);
  EXPECT_EQ(Cell(2, 1), "");
  EXPECT_EQ(form().StatusBar1[1].Text, "wrong.txt");
}

TEST_F(LoadedDesignerTest, ToolBarReadThenCancelPlacesTheMarkersFromTheGrid) {
  designer::StepUpDown(form().UpDown2, form().Edit2, designer::SpinButton::kUp);
  designer::UpDown2Click(desk);  // marker 1 moved on the screen only
  form().Edit1.Text = "4";
  Cell(1, 3) = "300";  // typed into the grid
  Cell(2, 3) = "200";
  dialogs.text_answers = {std::nullopt};
  designer::ToolButton2Click(desk);
  EXPECT_EQ(Position(1), std::make_pair(32, 16));
  EXPECT_EQ(Position(3), std::make_pair(300, 200));
  EXPECT_EQ(form().Edit1.Text, "1");
  EXPECT_EQ(form().Edit2.Text, "32");
  EXPECT_EQ(form().Edit3.Text, "16");
  EXPECT_TRUE(Informs().empty());
}

TEST_F(LoadedDesignerTest, AnEmptyLineReadsThroughTheMenuButStopsTheToolBarAtItsRow) {
  folder.Write("gap.txt", Lines({"100", "101", "102", "103", "", "105", "106", "107"}));
  dialogs.text_answers = {"gap.txt"};
  designer::N7Click(desk);
  EXPECT_EQ(Cell(1, 3), "");
  EXPECT_EQ(form().StatusBar1[1].Text, "gap.txt");

  const auto later = Position(4);
  dialogs.text_answers = {"gap.txt"};
  form().Edit1.Text = "9";
  EXPECT_EQ(ErrorOf(designer::ToolButton2Click), "'' is not a valid integer value");
  EXPECT_EQ(Cell(1, 4), "106");  // the grid was filled first
  EXPECT_EQ(Position(1), std::make_pair(100, 101));
  EXPECT_EQ(Position(2), std::make_pair(102, 103));
  EXPECT_EQ(Position(4), later);
  EXPECT_EQ(form().Edit1.Text, "9");
}

TEST_F(LoadedDesignerTest, WriteRightAfterTheFirstStartGivesTheBytesOfPust) {
  dialogs.text_answers = {"pust2.txt"};
  designer::ToolButton4Click(desk);
  EXPECT_EQ(folder.Read("pust2.txt"), folder.Read("pust.txt"));
  EXPECT_EQ(folder.Read("pust2.txt").size(), 139u);
}

TEST_F(LoadedDesignerTest, WriteTakesTheCellsAsTypedAndReplacesAnOldFile) {
  folder.Write("out.txt", "old content that is longer than the new one ...");
  Cell(1, 1) = "";
  Cell(2, 16) = "abc";
  Cell(0, 1) = "not written";
  designer::Marker(desk, 2).Left = 400;  // markers are not consulted
  dialogs.text_answers = {"out.txt"};
  designer::N8Click(desk);
  std::string expected = DefaultPlanBytes();
  expected.replace(0, 2, "");
  expected.replace(expected.rfind("16\r\n"), 2, "abc");
  EXPECT_EQ(folder.Read("out.txt"), expected);
}

TEST_F(LoadedDesignerTest, WriteWithCancelOrAnUnwritableNameLeavesTheFolderAsItWas) {
  dialogs.text_answers = {std::nullopt};
  designer::N8Click(desk);
  std::filesystem::create_directory(folder.path / "taken");
  dialogs.text_answers = {"taken"};
  EXPECT_EQ(ErrorOf(designer::N8Click), "File access denied");
  EXPECT_TRUE(std::filesystem::is_directory(folder.path / "taken"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path),
                          std::filesystem::directory_iterator()),
            2);  // pust.txt and the folder
}

TEST_F(LoadedDesignerTest, CreateAsksFirstAndCancelChangesNothing) {
  folder.Write("pust.txt", "1\r\n");
  dialogs.confirm_answers = {false};
  designer::ToolButton1Click(desk);
  const auto boxes = dialogs.OfKind("confirm");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "Старые установки будут стерты");
  EXPECT_EQ(boxes[0].caption, "Создать новый файл");
  EXPECT_EQ(boxes[0].icon, common::BoxIcon::Information);
  EXPECT_EQ(folder.Read("pust.txt"), "1\r\n");
  EXPECT_TRUE(desk.state.SettingsLoaded);
}

TEST_F(LoadedDesignerTest, CreateRestoresTheDefaultsOnTheNextTickWithTheStartPicture) {
  folder.Write("other.bmp", "BM");
  dialogs.text_answers = {"other.bmp"};
  designer::N6Click(desk);
  const auto opened = form().Image[1].Picture;
  folder.Write("pust.txt", Lines({"1", "2"}));
  Cell(1, 5) = "999";
  designer::Marker(desk, 7).Visible = false;

  designer::N9Click(desk);
  EXPECT_EQ(folder.Read("pust.txt"), DefaultPlanBytes());
  EXPECT_FALSE(desk.state.SettingsLoaded);
  EXPECT_EQ(Cell(1, 5), "999");  // nothing reloads before the tick

  designer::Timer3Timer(desk);  // without fon1.bmp the opened picture stays
  EXPECT_EQ(form().Image[1].Picture, opened);
  EXPECT_EQ(Cell(1, 5), "96");
  EXPECT_TRUE(designer::Marker(desk, 7).Visible);

  folder.Write("fon1.bmp", "BM");
  designer::N9Click(desk);
  designer::Timer3Timer(desk);
  EXPECT_NE(form().Image[1].Picture, opened);
  EXPECT_EQ(picture.loads.back(), (folder.path / "fon1.bmp").string());
}

TEST(DesignerCreate, CreateAfterAFailedStartUpLoadLoadsAgain) {
  DesignerRig t;
  t.folder.Write("pust.txt", Lines({"bad"}));
  EXPECT_NE(t.ErrorOf(designer::Timer3Timer), "");
  ASSERT_FALSE(t.form().Timer3.Enabled);
  designer::N9Click(t.desk);
  EXPECT_TRUE(t.form().Timer3.Enabled);
  designer::Timer3Timer(t.desk);
  EXPECT_TRUE(t.desk.state.SettingsLoaded);
  EXPECT_EQ(t.Cell(1, 1), "32");
}

TEST_F(LoadedDesignerTest, CreateThatCannotWriteFollowsWithNoNewLoad) {
  std::filesystem::remove(folder.path / "pust.txt");
  std::filesystem::create_directory(folder.path / "pust.txt");
  EXPECT_EQ(ErrorOf(designer::N9Click), "File access denied");
  EXPECT_TRUE(desk.state.SettingsLoaded);
}

TEST_F(LoadedDesignerTest, OpenPictureReplacesTheBackgroundAndNamesItInPanelZero) {
  const std::string full = (folder.path / "plan.bmp").string();
  folder.Write("plan.bmp", "BM");
  folder.Write("broken.bmp", "GIF89a");
  const auto positions = Positions();

  dialogs.text_answers = {full};
  designer::ToolButton5Click(desk);
  const auto opened = form().Image[1].Picture;
  ASSERT_NE(opened, nullptr);
  EXPECT_EQ(picture.loads.back(), full);
  EXPECT_EQ(form().StatusBar1[0].Text, full);
  EXPECT_EQ(Positions(), positions);

  dialogs.text_answers = {std::nullopt};
  designer::N6Click(desk);
  dialogs.text_answers = {"broken.bmp"};
  EXPECT_EQ(ErrorOf(designer::N6Click), "Bitmap image is not valid");
  EXPECT_EQ(form().Image[1].Picture, opened);
  EXPECT_EQ(form().StatusBar1[0].Text, full);
}

}  // namespace
