#include "designer/startup_load.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/designer/designer_fixture.h"
#include "tests/support/pipe_watchdog.h"

namespace {

using designer_testing::DefaultPlanBytes;
using designer_testing::DesignerRig;
using designer_testing::DesignerTest;
using designer_testing::Lines;

constexpr int kDesignLeft[16] = {16,  32,  48,  64,  88,  104, 120, 136,
                                 160, 176, 192, 208, 232, 248, 264, 280};

TEST_F(DesignerTest, FirstStartInAnEmptyFolderCreatesAndLoadsTheDefaults) {
  // Until the first tick: the design state.
  for (int k = 1; k <= 16; ++k) EXPECT_EQ(Position(k), std::make_pair(kDesignLeft[k - 1], 16));
  EXPECT_EQ(Cell(1, 1), "");
  EXPECT_EQ(form().Edit1.Text, "1");
  EXPECT_EQ(form().Edit2.Text, "0");
  EXPECT_EQ(form().Edit3.Text, "0");

  designer::Timer3Timer(desk);

  EXPECT_EQ(folder.Read("pust.txt"), DefaultPlanBytes());
  EXPECT_EQ(folder.Read("pust.txt").size(), 139u);
  EXPECT_EQ(Cell(0, 0), "№");
  EXPECT_EQ(Cell(1, 0), "Горизонт");
  EXPECT_EQ(Cell(2, 0), "Вертикаль");
  for (int k = 1; k <= 16; ++k) {
    EXPECT_EQ(Cell(0, k), std::to_string(k));
    EXPECT_EQ(Cell(1, k), std::to_string(16 * k + 16));
    EXPECT_EQ(Cell(2, k), "16");
    EXPECT_EQ(Position(k), std::make_pair(16 * k + 16, 16));
    EXPECT_TRUE(designer::Marker(desk, k).Visible);
  }
  EXPECT_EQ(form().Edit1.Text, "1");
  EXPECT_EQ(form().Edit2.Text, "32");
  EXPECT_EQ(form().Edit3.Text, "16");
  EXPECT_EQ(form().Image[1].Picture, nullptr);  // the built-in picture stays
  EXPECT_TRUE(picture.loads.empty());
  EXPECT_TRUE(desk.state.SettingsLoaded);
  EXPECT_TRUE(form().Timer3.Enabled);
}

TEST_F(DesignerTest, ALoadedDesignerDoesNotLoadAgainOnLaterTicks) {
  designer::Timer3Timer(desk);
  folder.Write("pust.txt", Lines({"300", "200"}));
  Cell(1, 1) = "typed";
  designer::Timer3Timer(desk);
  EXPECT_EQ(Cell(1, 1), "typed");
  EXPECT_EQ(Position(1), std::make_pair(32, 16));
  EXPECT_TRUE(form().Timer3.Enabled);
}

TEST_F(DesignerTest, TheStartPictureIsLoadedWhereItExists) {
  folder.Write("fon1.bmp", "BM");
  designer::Timer3Timer(desk);
  ASSERT_EQ(picture.loads.size(), 1u);
  EXPECT_EQ(picture.loads[0], (folder.path / "fon1.bmp").string());
  EXPECT_NE(form().Image[1].Picture, nullptr);
}

struct ShortFileCase {
  const char* name;
  std::string bytes;
  int marker;
  const char* x;
  const char* y;
};

TEST(DesignerStartUp, EmptyAndMissingLinesReadAsOne) {
  std::string third_empty = DefaultPlanBytes();
  third_empty.replace(third_empty.find("48\r\n"), 2, "");
  const std::string ten = Lines(std::vector<std::string>(10, "50"));
  const std::string forty = Lines(std::vector<std::string>(40, "7"));
  const ShortFileCase cases[] = {
      {"third line empty", third_empty, 2, "1", "16"},
      {"ten lines: marker 5 read", ten, 5, "50", "50"},
      {"ten lines: marker 6 missing", ten, 6, "1", "1"},
      {"ten lines: marker 16 missing", ten, 16, "1", "1"},
      {"forty lines", forty, 16, "7", "7"},
      {"no line end at the end", "5\r\n6", 1, "5", "6"},
  };
  for (const ShortFileCase& c : cases) {
    DesignerRig t;
    t.folder.Write("pust.txt", c.bytes);
    designer::Timer3Timer(t.desk);
    EXPECT_EQ(t.Cell(1, c.marker), c.x) << c.name;
    EXPECT_EQ(t.Cell(2, c.marker), c.y) << c.name;
    EXPECT_EQ(t.Position(c.marker), std::make_pair(std::stoi(c.x), std::stoi(c.y))) << c.name;
    EXPECT_TRUE(t.desk.state.SettingsLoaded) << c.name;
  }
}

TEST_F(DesignerTest, ABadLineEndsTheLoadWithTheRowsSoFarAndNoMarkerMoved) {
  folder.Write("pust.txt", Lines({"100", "101", "102", "103", "104", "105", "7x", "107"}));
  EXPECT_EQ(ErrorOf(designer::Timer3Timer), "'7x' is not a valid integer value");
  EXPECT_EQ(Cell(1, 3), "104");
  EXPECT_EQ(Cell(1, 4), "7x");  // the faulty row's texts are in the grid
  EXPECT_EQ(Cell(2, 4), "107");
  EXPECT_EQ(Cell(1, 5), "");
  EXPECT_EQ(Cell(0, 16), "16");
  for (int k = 1; k <= 16; ++k) EXPECT_EQ(Position(k), std::make_pair(kDesignLeft[k - 1], 16));
  EXPECT_EQ(form().Edit2.Text, "0");
  EXPECT_FALSE(desk.state.SettingsLoaded);
  EXPECT_FALSE(form().Timer3.Enabled);  // no further load until asked for one
}

TEST(DesignerStartUp, AFailingPictureOrSettingsFileEndsTheLoadBeforeAnyRow) {
  enum class Stands { kFolder, kPipe, kBytes };  // what stands at the file's name
  struct Case {
    const char* name;
    const char* file;
    Stands stands;
    const char* bytes;
    const char* error;
  };
  const Case cases[] = {
      {"pust.txt cannot be created", "pust.txt", Stands::kFolder, "", "File access denied"},
      {"pust.txt is a pipe, no missing file", "pust.txt", Stands::kPipe, "", "File access denied"},
      {"fon1.bmp is no picture", "fon1.bmp", Stands::kBytes, "GIF89a", "Bitmap image is not valid"},
  };
  for (const Case& c : cases) {
    DesignerRig t;
    const auto path = t.folder.path / c.file;
    if (c.stands == Stands::kFolder) std::filesystem::create_directory(path);
    if (c.stands == Stands::kPipe) testing_support::MakePipe(path);
    if (c.stands == Stands::kBytes) t.folder.Write(c.file, c.bytes);
    {
      const testing_support::PipeWatchdog guard({path});
      EXPECT_EQ(t.ErrorOf(designer::Timer3Timer), c.error) << c.name;
    }
    EXPECT_EQ(testing_support::IsPipe(path), c.stands == Stands::kPipe) << c.name;
    EXPECT_EQ(t.Cell(1, 1), "") << c.name;
    EXPECT_EQ(t.Cell(0, 1), "1") << c.name;  // the headings came first
    EXPECT_EQ(t.Position(1), std::make_pair(16, 16)) << c.name;
    EXPECT_EQ(t.form().Image[1].Picture, nullptr) << c.name;
    EXPECT_FALSE(t.desk.state.SettingsLoaded) << c.name;
  }
}

}  // namespace
