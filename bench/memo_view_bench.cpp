// Showing a 100,000-line day in the window's archive viewer: the core reads the
// file into Memo2, the window puts it on screen (offscreen platform).
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QPlainTextEdit>
#include <functional>
#include <string>

#include "common/cp1251.h"
#include "monitor/archive_commands.h"
#include "monitor/archive_lines.h"
#include "stanmon/console.h"
#include "stanmon/qt/app_look.h"
#include "stanmon/qt/main_window.h"
#include "tests/support/fakes.h"

namespace {

constexpr int kLines = 100000;

void WriteArchive(const testing_support::TempFolder& folder, const std::string& name) {
  std::string bytes;
  for (int i = 0; i < kLines; ++i) {
    bytes +=
        common::Utf8ToCp1251(monitor::EventLine("05.03.2026 14:07:09", "Петров", " ЦТП 2", "02_05",
                                                "Вкл", "Дверь котельной " + std::to_string(i))) +
        "\r\n";
  }
  folder.Write(name, bytes);
}

// Runs a benchmark in the application on the offscreen platform, with the console
// over a folder that holds the day's archive and its window on the viewer's page,
// as the tool button opens it.
void WithArchiveWindow(const std::function<void(testing_support::FakePorts&, stanmon::Console&,
                                                stanmon::MainWindow&)>& run) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  int argc = 1;
  char name[] = "shell_bench";
  char* argv[] = {name, nullptr};
  QApplication app(argc, argv);
  stanmon::SetUpLook(app);

  testing_support::FakePorts fakes;
  WriteArchive(fakes.folder, "2026_03_05.txt");
  stanmon::Console console(fakes.Ports());
  stanmon::MainWindow window(console);
  console.form().ActivePageIndex = 3;
  run(fakes, console, window);
}

void ShowArchiveOf100000LinesInMemo2(benchmark::State& state) {
  WithArchiveWindow([&state](testing_support::FakePorts& fakes, stanmon::Console& console,
                             stanmon::MainWindow& window) {
    window.Render();
    window.show();
    QApplication::processEvents();
    auto* memo = window.findChild<QPlainTextEdit*>(QStringLiteral("Memo2"));

    for (auto _ : state) {
      fakes.dialogs.text_answers = {"2026_03_05.txt"};
      monitor::ViewArchive(console.station());
      window.Render();
      memo->viewport()->repaint();

      state.PauseTiming();
      monitor::Clr1Click(console.station());
      window.Render();
      QApplication::processEvents();
      state.ResumeTiming();
    }
    if (memo->blockCount() != 1) state.SkipWithError("Memo2 was not emptied between runs");
  });
}
BENCHMARK(ShowArchiveOf100000LinesInMemo2)->Unit(benchmark::kMillisecond);

// A window render with nothing changed while the day is shown, as after every timer tick.
void RenderWhile100000LinesShown(benchmark::State& state) {
  WithArchiveWindow([&state](testing_support::FakePorts& fakes, stanmon::Console& console,
                             stanmon::MainWindow& window) {
    fakes.dialogs.text_answers = {"2026_03_05.txt"};
    monitor::ViewArchive(console.station());
    window.Render();
    window.show();
    QApplication::processEvents();

    for (auto _ : state) window.Render();
  });
}
BENCHMARK(RenderWhile100000LinesShown)->Unit(benchmark::kMillisecond);

}  // namespace
