// Saves a picture of each page of the console window, as it looks after the
// first main-cycle tick with default settings files: stanmon_screenshots <folder>.
#include <QApplication>
#include <QDir>
#include <cstdio>

#include "common/timer_bank.h"
#include "stanmon/console.h"
#include "stanmon/qt/app_look.h"
#include "stanmon/qt/main_window.h"
#include "tests/support/fakes.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  stanmon::SetUpLook(app);

  testing_support::FakePorts fakes;
  stanmon::Console console(fakes.Ports());
  stanmon::MainWindow window(console);
  common::VirtualTime time(console.timers());
  time.Advance(console.form().Timer3.Interval);
  window.show();

  const QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!folder.mkpath(".")) return 1;
  for (int page = 0; page < 5; ++page) {
    console.form().ActivePageIndex = page;
    window.Render();
    QApplication::processEvents();
    const QString file = folder.filePath(QStringLiteral("page%1.png").arg(page));
    if (!window.grab().save(file)) return 1;
    std::printf("%s\n", qPrintable(file));
  }
  return 0;
}
