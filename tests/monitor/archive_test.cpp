#include <gtest/gtest.h>

#include <filesystem>

#include "common/platform_error.h"
#include "monitor/archive_commands.h"
#include "monitor/archive_report.h"
#include "monitor/daily_archive.h"
#include "tests/monitor/cycle_fixture.h"
#include "tests/support/pipe_watchdog.h"

namespace {

using testing_support::CycleTest;

TEST(ArchiveName, IsYearMonthDayWithTwoDigits) {
  EXPECT_EQ(monitor::ArchiveFileNameFor({2026, 3, 5}), "2026_03_05.txt");
  EXPECT_EQ(monitor::ArchiveFileNameFor({2026, 12, 25}), "2026_12_25.txt");
}

TEST_F(CycleTest, StartUpKeepsAnExistingDayFile) {
  testing_support::FakePorts other;
  monitor::Station station{other.Ports()};
  other.folder.Write("2026_03_05.txt", "earlier\r\n");
  monitor::Timer3Timer(station);
  EXPECT_EQ(other.folder.Read("2026_03_05.txt"), "earlier\r\n");
}

TEST_F(CycleTest, AcknowledgementArchivesTheOperatorAsShownAndSilencesTheSiren) {
  st.state.SirenOn = true;
  st.state.SmsScanSlot = 5;
  st.state.SmsAlarmArmed = true;
  monitor::BitBtn22Click(st);
  EXPECT_EQ(Archive(), "05.03.2026 14:07:09 Оператор     Сигнал принят !!! \r\n");
  EXPECT_EQ(st.form.StatusBar1[5].Text, "14:07:09 Сигнал принят!");
  EXPECT_FALSE(st.state.SirenOn);
  EXPECT_EQ(st.state.SmsScanSlot, 0);
  EXPECT_TRUE(st.state.SmsAlarmArmed);

  // An archive that cannot be written holds the line; the acknowledgement is done.
  const auto archive = fakes.folder.path / st.core.ArchiveFileName;
  std::filesystem::remove(archive);
  std::filesystem::create_directory(archive);
  st.state.SirenOn = true;
  fakes.clock.now.second = 40;
  monitor::BitBtn22Click(st);
  EXPECT_FALSE(st.state.SirenOn);
  EXPECT_EQ(st.form.StatusBar1[5].Text, "14:07:40 Сигнал принят!");
  ASSERT_EQ(st.faults.boxes.size(), 1u);
  EXPECT_EQ(st.faults.boxes[0].text, "File access denied.");
  std::filesystem::remove(archive);
  Pass();
  EXPECT_EQ(Archive(), "05.03.2026 14:07:40 Оператор     Сигнал принят !!! \r\n");
}

TEST_F(CycleTest, SirenOffAsksFirst) {
  st.state.SirenOn = true;
  fakes.dialogs.confirm_answers = {false, true};
  monitor::ToolButton10Click(st);
  EXPECT_TRUE(st.state.SirenOn);
  monitor::ToolButton10Click(st);
  EXPECT_FALSE(st.state.SirenOn);
  const auto asked = fakes.dialogs.OfKind("confirm");
  EXPECT_EQ(asked[0].text, "Отключить звуковой сигнал?");
  EXPECT_EQ(asked[0].caption, "Звуковой сигнал ");
  EXPECT_EQ(Archive(), "");
}

TEST_F(CycleTest, ViewerShowsTheChosenFileOrSaysItCannotBeRead) {
  fakes.folder.Write("2026_01_02.txt", common::Utf8ToCp1251("первая\r\nвторая\r\n"));
  fakes.dialogs.text_answers = {std::nullopt, "2026_01_02.txt", "2020_no_such.txt"};
  st.form.Memo2.Lines = {"help"};

  monitor::ToolButton9Click(st);  // Cancel: the page switches all the same
  EXPECT_EQ(st.form.ActivePageIndex, 3);
  EXPECT_EQ(st.form.Memo2.Lines, std::vector<std::string>{"help"});
  const auto dialog = fakes.dialogs.OfKind("open");
  EXPECT_EQ(dialog[0].text, "Просмотр архива ");
  EXPECT_EQ(dialog[0].caption, "txt|20*.txt");
  // The working folder, where the archives are, not the program's folder.
  EXPECT_EQ(dialog[0].start_folder, fakes.folder.path.string());

  monitor::ToolButton9Click(st);
  EXPECT_EQ(st.form.Memo2.Lines, (std::vector<std::string>{"первая", "вторая"}));

  monitor::ToolButton9Click(st);
  EXPECT_EQ(st.form.Memo2.Lines, (std::vector<std::string>{"первая", "вторая"}));
  const auto boxes = fakes.dialogs.OfKind("inform");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "Ошибка чтения файла ");
  EXPECT_EQ(boxes[0].icon, common::BoxIcon::Error);

  monitor::Clr1Click(st);
  EXPECT_TRUE(st.form.Memo2.Lines.empty());
}

TEST_F(CycleTest, PrintPreviewGetsTheFilesLinesOrTheErrorEndsIt) {
  fakes.folder.Write("2026_01_02.txt", "a\r\nb\r\nc\r\n");
  fakes.folder.Write("2026_01_03.txt", "");
  fakes.dialogs.text_answers = {"2026_01_02.txt", "2026_01_03.txt", "2026_09_09.txt"};
  monitor::ToolButton14Click(st);
  monitor::ToolButton14Click(st);
  EXPECT_THROW(monitor::ToolButton14Click(st), common::PlatformError);
  ASSERT_EQ(fakes.printer.previews.size(), 2u);
  EXPECT_EQ(fakes.printer.previews[0], (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_TRUE(fakes.printer.previews[1].empty());
  EXPECT_EQ(fakes.dialogs.OfKind("open")[0].text, "Распечатать архив ");
  EXPECT_EQ(fakes.dialogs.OfKind("open")[0].start_folder, fakes.folder.path.string());
}

TEST_F(CycleTest, ViewerAndPrintRefuseAPipeOrADeviceAtOnce) {
  const auto pipe = fakes.folder.path / "2026_01_04.txt";
  testing_support::MakePipe(pipe);
  std::filesystem::create_symlink("/dev/null", fakes.folder.path / "2026_01_05.txt");
  st.form.Memo2.Lines = {"help"};
  for (const char* chosen : {"2026_01_04.txt", "2026_01_05.txt"}) {
    const testing_support::PipeWatchdog guard({pipe});
    fakes.dialogs = {};
    fakes.dialogs.text_answers = {chosen, chosen};
    monitor::ToolButton9Click(st);
    const auto boxes = fakes.dialogs.OfKind("inform");
    ASSERT_EQ(boxes.size(), 1u) << chosen;
    EXPECT_EQ(boxes[0].text, "Ошибка чтения файла ");
    EXPECT_EQ(st.form.Memo2.Lines, std::vector<std::string>{"help"}) << chosen;
    try {
      monitor::ToolButton14Click(st);
      ADD_FAILURE() << chosen;
    } catch (const common::PlatformError& e) {
      EXPECT_STREQ(e.what(), "File access denied") << chosen;
    }
  }
  EXPECT_TRUE(fakes.printer.previews.empty());
  EXPECT_TRUE(testing_support::IsPipe(pipe));
}

TEST(ArchiveReport, PagesHold63LinesAndAnEmptyReportHasOnePage) {
  EXPECT_EQ(monitor::LinesPerPage({}), 63);  // (297 - 20 - 9.3) / 4.2
  struct Case {
    std::size_t lines, pages, last_count;
  };
  for (const Case& c : std::vector<Case>{
           {0, 1, 0}, {3, 1, 3}, {63, 1, 63}, {64, 2, 1}, {100000, 1588, 100000 - 1587 * 63}}) {
    const auto pages = monitor::PaginateReport(c.lines);
    ASSERT_EQ(pages.size(), c.pages) << c.lines;
    EXPECT_EQ(pages.back().line_count, c.last_count) << c.lines;
    EXPECT_EQ(pages.back().number, static_cast<int>(c.pages));
    EXPECT_EQ(pages.back().first_line + pages.back().line_count, c.lines);
  }
  const auto header = monitor::ReportPageHeader({2026, 3, 5, 9, 5, 1}, 12);
  ASSERT_EQ(header.size(), 5u);
  EXPECT_EQ(header[0].text, "05.03.2026");
  EXPECT_EQ(header[1].text, "9:05:01");
  EXPECT_EQ(header[2].text, "Журнал событий");
  EXPECT_TRUE(header[2].bold);
  EXPECT_EQ(header[3].text, "Страница ");
  EXPECT_EQ(header[4].text, "12");
  EXPECT_DOUBLE_EQ(header[4].left_mm, 127.0);
}

// Whatever the paper, every line lands on exactly one page, in order, and no
// page holds more bands than fit between its header and its bottom margin.
TEST(ArchiveReport, EveryLineIsOnOnePageWhateverThePaper) {
  struct Paper {
    const char* name;
    double width_mm, height_mm, margin_mm;
    std::size_t per_page;
  };
  const Paper papers[] = {
      {"A4 portrait", 210, 297, 10, 63},
      {"A4 landscape", 297, 210, 10, 43},  // (210 - 20 - 9.3) / 4.2 = 43.02
      {"Letter", 215.9, 279.4, 10, 59},
      {"Letter landscape", 279.4, 215.9, 10, 44},
      {"A4, printer margins 20 mm", 210, 297, 20, 58},
      {"a page with no room for a band", 100, 25, 10, 1},
  };
  for (const Paper& paper : papers) {
    monitor::ReportLayout layout;
    layout.page_width_mm = paper.width_mm;
    layout.page_height_mm = paper.height_mm;
    layout.margins = {paper.margin_mm, paper.margin_mm, paper.margin_mm, paper.margin_mm};
    EXPECT_EQ(static_cast<std::size_t>(monitor::LinesPerPage(layout)), paper.per_page)
        << paper.name;
    for (const std::size_t lines : {std::size_t{0}, std::size_t{93}, paper.per_page + 1}) {
      const auto pages = monitor::PaginateReport(lines, layout);
      const std::size_t expected_pages =
          lines == 0 ? 1 : (lines + paper.per_page - 1) / paper.per_page;
      ASSERT_EQ(pages.size(), expected_pages) << paper.name << ", " << lines << " lines";
      std::size_t next = 0;
      for (const monitor::ReportPage& page : pages) {
        EXPECT_EQ(page.first_line, next) << paper.name;
        EXPECT_LE(page.line_count, paper.per_page) << paper.name;
        next += page.line_count;
      }
      EXPECT_EQ(next, lines) << paper.name;
    }
  }
}

}  // namespace
