// Saves pictures of the console's boxes and dialogs, for a look by eye:
// dialog_screenshots <folder>. viewer-dialog.png: the archive viewer's open
// dialog in the working folder; preview-landscape.png, preview-landscape-last.png:
// a 93-line archive previewed and turned to landscape, all pages and the last one;
// page-setup.png: the preview's page set-up;
// confirm-box.png, error-box.png: a confirmation and an error holding a NUL.
// The designer's dialogs: tests/stanplan/designer_dialog_screenshots.cpp.
// Not a test.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <optional>
#include <string>
#include <vector>

#include "common/platform_error.h"
#include "common/qt/qt_dialogs.h"
#include "stanmon/qt/app_look.h"
#include "stanmon/qt/qt_report_printer.h"
#include "tests/support/dialog_shots.h"
#include "tests/support/fakes.h"
#include "tests/support/modal.h"

namespace {

std::vector<std::string> ArchiveLines(int count) {
  std::vector<std::string> lines;
  for (int i = 1; i <= count; ++i) {
    lines.push_back("05.03.2026 14:" + std::to_string(10 + i % 50) +
                    ":09 Иванов,   ЦТП 2  02_05 Вкл    Дверь котельной, строка " +
                    std::to_string(i));
  }
  return lines;
}

}  // namespace

int main(int argc, char** argv) {
  std::optional<testing_support::DialogShots> found =
      testing_support::ShotsFromArguments(argc, argv);
  if (!found) return 2;
  testing_support::DialogShots& shots = *found;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  stanmon::SetUpLook(app);

  testing_support::TempFolder work;
  for (const char* name : {"2026_03_04.txt", "2026_03_05.txt", "tab1.txt", "pust.txt", "pust2.txt",
                           "fon1.bmp", "pust"}) {
    work.Write(name, "");
  }
  shell::QtDialogs dialogs;
  testing_support::WhileModal(
      [&] { dialogs.OpenFile("Просмотр архива ", "txt|20*.txt", work.path.string()); },
      [&](QWidget& shown) { shots.SaveAndClose(shown, "viewer-dialog"); });
  testing_support::WhileModal(
      [&] {
        dialogs.Confirm("Отключить звуковой сигнал?", "Звуковой сигнал ",
                        common::BoxIcon::Question);
      },
      [&](QWidget& shown) { shots.SaveAndClose(shown, "confirm-box"); });
  const std::string nul_text =
      common::PlatformError("'1" + std::string(1, '\0') + "2' is not a valid integer value").what();
  testing_support::WhileModal(
      [&] {
        dialogs.Inform(common::ErrorBoxText(nul_text), common::ErrorBoxCaption("Stanplan"),
                       common::BoxIcon::Error);
      },
      [&](QWidget& shown) { shots.SaveAndClose(shown, "error-box"); });

  testing_support::FakeClock clock;
  stanmon::QtReportPrinter printer(clock);
  testing_support::WhileModal(
      [&] { printer.Preview(ArchiveLines(93)); },
      [&](QWidget& shown) {
        shown.resize(1400, 800);
        auto* preview = shown.findChild<QPrintPreviewWidget*>();
        preview->setLandscapeOrientation();
        preview->setAllPagesViewMode();
        preview->fitInView();
        shots.Save(shown, "preview-landscape");
        preview->setSinglePageViewMode();
        preview->setCurrentPage(preview->pageCount());
        preview->fitToWidth();
        shots.Save(shown, "preview-landscape-last");
        for (QAction* action : shown.findChildren<QAction*>()) {
          if (action->text() != QStringLiteral("Параметры страницы")) {
            continue;
          }
          testing_support::WhileModal(
              [&] { action->trigger(); },
              [&](QWidget& setup) { shots.SaveAndClose(setup, "page-setup"); });
        }
        shown.close();
      });
  return shots.ok ? 0 : 1;
}
