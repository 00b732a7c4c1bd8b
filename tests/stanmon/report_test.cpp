#include <QApplication>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRegularExpression>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "stanmon/qt/qt_report_printer.h"
#include "stanmon/qt/report_painter.h"
#include "tests/support/fakes.h"

namespace stanmon {
namespace {

const common::DateTime kNow{2026, 3, 5, 14, 7, 9, 0};

std::vector<std::string> ArchiveLines(int count) {
  std::vector<std::string> lines;
  for (int i = 0; i < count; ++i) {
    lines.push_back("05.03.2026 14:07:" + std::to_string(i % 60) +
                    " Иванов,   Объект 2  0000100000000000 0800    Тревога, зона " +
                    std::to_string(i + 1));
  }
  return lines;
}

struct Painted {
  int pages_reported = 0;
  QByteArray pdf;
};

Painted PaintToPdf(const std::filesystem::path& file, const std::vector<std::string>& lines,
                   const QPageLayout& paper = ReportPageLayout()) {
  Painted painted;
  {
    QPdfWriter writer(QString::fromStdString(file.string()));
    writer.setPageLayout(paper);
    QPainter painter(&writer);
    painted.pages_reported = PaintArchiveReport(painter, writer, lines, kNow);
  }
  QFile pdf(QString::fromStdString(file.string()));
  if (pdf.open(QIODevice::ReadOnly)) painted.pdf = pdf.readAll();
  return painted;
}

// Qt writes each page as its own uncompressed "/Type /Page" dictionary.
int PagesIn(const QByteArray& pdf) {
  static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
  return static_cast<int>(QString::fromLatin1(pdf).count(page));
}

TEST(ArchiveReportTest, PaintsOnePageHeaderPerPage) {
  testing_support::TempFolder folder;
  const struct {
    const char* file;
    int lines;
    int pages;
  } cases[] = {
      {"empty.pdf", 0, 1},                               // the header alone
      {"three.pdf", 3, 1},         {"full.pdf", 63, 1},  // as many bands as fit under the header
      {"overflow.pdf", 64, 2},                           // one more starts the second page
      {"three_pages.pdf", 127, 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    const Painted painted = PaintToPdf(folder.path / c.file, ArchiveLines(c.lines));
    EXPECT_EQ(painted.pages_reported, c.pages);
    ASSERT_FALSE(painted.pdf.isEmpty());
    EXPECT_EQ(PagesIn(painted.pdf), c.pages);
  }
}

// The report is laid out anew on the paper the printer holds: 93 lines fill as many
// pages as that paper's height takes, never running off its edge.
TEST(ArchiveReportTest, PagesFollowThePapersSizeAndOrientation) {
  testing_support::TempFolder folder;
  const auto paper = [](QPageSize::PageSizeId id, QPageLayout::Orientation orientation) {
    QPageLayout layout = ReportPageLayout();
    layout.setPageSize(QPageSize(id));
    layout.setOrientation(orientation);
    return layout;
  };
  const struct {
    const char* file;
    QPageLayout paper;
    int pages;
  } cases[] = {
      {"a4_portrait.pdf", ReportPageLayout(), 2},                                     // 63 + 30
      {"a4_landscape.pdf", paper(QPageSize::A4, QPageLayout::Landscape), 3},          // 43 + 43 + 7
      {"letter.pdf", paper(QPageSize::Letter, QPageLayout::Portrait), 2},             // 59 + 34
      {"letter_landscape.pdf", paper(QPageSize::Letter, QPageLayout::Landscape), 3},  // 44 + 44 + 5
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    const Painted painted = PaintToPdf(folder.path / c.file, ArchiveLines(93), c.paper);
    EXPECT_EQ(painted.pages_reported, c.pages);
    EXPECT_EQ(PagesIn(painted.pdf), c.pages);
  }
}

TEST(ArchiveReportTest, FontHasArialsMetrics) {
  const QFontInfo info(ReportFont(10));
  EXPECT_EQ(info.family(), QStringLiteral("Liberation Sans"));
  EXPECT_FALSE(info.bold());
  EXPECT_TRUE(QFontInfo(ReportFont(12, true)).bold());
}

// What the preview showed while it was open.
struct Shown {
  QString title;
  QString doc_name;
  QPageLayout layout;
  int pages = 0;
};

// Opens the preview, does what the user does in it, looks at it, closes it.
Shown PreviewAndClose(QtReportPrinter& printer, const std::vector<std::string>& lines,
                      const std::function<void(QPrintPreviewWidget&)>& user = {}) {
  Shown shown;
  QTimer look;
  QObject::connect(&look, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    look.stop();
    auto* preview = dialog->findChild<QPrintPreviewWidget*>();
    if (user) user(*preview);
    shown.title = dialog->windowTitle();
    shown.doc_name = dialog->printer()->docName();
    shown.layout = dialog->printer()->pageLayout();
    shown.pages = preview->pageCount();
    dialog->reject();
  });
  look.start(10);
  printer.Preview(lines);
  return shown;
}

TEST(ArchiveReportTest, PreviewShowsTheReportUntilClosed) {
  testing_support::FakeClock clock;
  QtReportPrinter printer(clock);
  const Shown shown = PreviewAndClose(printer, ArchiveLines(64));
  EXPECT_EQ(shown.title, QStringLiteral("Журнал событий"));
  EXPECT_EQ(shown.doc_name, QStringLiteral("Журнал событий"));
  EXPECT_EQ(shown.layout.pageSize().id(), QPageSize::A4);
  EXPECT_EQ(shown.layout.orientation(), QPageLayout::Portrait);
  EXPECT_EQ(shown.layout.margins(QPageLayout::Millimeter), QMarginsF(10, 10, 10, 10));
  EXPECT_EQ(shown.pages, 2);
}

TEST(ArchiveReportTest, PreviewTurnedToLandscapeLaysThePagesOutAgain) {
  testing_support::FakeClock clock;
  QtReportPrinter printer(clock);
  const Shown shown = PreviewAndClose(printer, ArchiveLines(93), [](QPrintPreviewWidget& preview) {
    preview.setLandscapeOrientation();
  });
  EXPECT_EQ(shown.layout.orientation(), QPageLayout::Landscape);
  EXPECT_EQ(shown.pages, 3);  // 43 + 43 + 7
}

}  // namespace
}  // namespace stanmon
