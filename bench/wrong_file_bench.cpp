// Reading a 15 MB file that is no plan settings file (LF line ends, so one
// endless line) with the designer's "Прочитать файл установок", on screen
// (offscreen platform): the time from the command to the painted window, and
// the program's peak memory. One run per process, so the peak is this read's:
//   for i in 1 2 3 4 5; do build/release/bench/wrong_file_bench; done
#include <sys/resource.h>

#include <QApplication>
#include <chrono>
#include <cstdio>
#include <string>

#include "common/timer_bank.h"
#include "stanplan/designer_app.h"
#include "stanplan/qt/app_look.h"
#include "stanplan/qt/designer_window.h"
#include "tests/support/common_fakes.h"

namespace {

constexpr std::size_t kFileBytes = 15u * 1024 * 1024;

std::string WrongFile() {
  std::string bytes;
  bytes.reserve(kFileBytes + 16);
  for (int i = 0; bytes.size() < kFileBytes; ++i) bytes += std::to_string(i % 1000) + "\n";
  return bytes;
}

double PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  stanplan::SetUpLook(app);

  testing_support::TempFolder folder;
  folder.Write("wrong.txt", WrongFile());
  testing_support::ScriptedDialogs dialogs;
  testing_support::FakePicture picture;
  stanplan::DesignerApp designer(designer::DesignerPorts{dialogs, picture, folder.path});
  stanplan::DesignerWindow window(designer);
  common::VirtualTime time(designer.timers());
  time.Advance(1000);  // the start-up load
  window.Render();
  window.show();
  QApplication::processEvents();

  const double peak_before = PeakMegabytes();
  const auto start = std::chrono::steady_clock::now();
  dialogs.text_answers = {"wrong.txt"};
  designer.Click("N7");
  window.Render();
  window.repaint();
  QApplication::processEvents();
  const auto elapsed = std::chrono::steady_clock::now() - start;

  std::printf("read %zu MB wrong file: %.1f ms, peak memory %.1f MB (%.1f MB before the read)\n",
              kFileBytes / (1024 * 1024),
              std::chrono::duration<double, std::milli>(elapsed).count(), PeakMegabytes(),
              peak_before);
  return 0;
}
