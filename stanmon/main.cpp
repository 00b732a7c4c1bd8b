// The console program: the Qt shell around the console's core.
#include <QApplication>
#include <filesystem>

#include "common/clock.h"
#include "common/qt/qt_dialogs.h"
#include "common/qt/qt_picture.h"
#include "monitor/ports.h"
#include "stanmon/console.h"
#include "stanmon/qt/app_look.h"
#include "stanmon/qt/lazy_sound.h"
#include "stanmon/qt/main_window.h"
#include "stanmon/qt/qt_report_printer.h"
#include "stanmon/qt/qt_serial_line.h"
#include "stanmon/qt/serial_settings.h"

namespace {

// Creates the window with the console inside, hidden report preview included,
// and runs the message loop until the window closes or the exit command ends it.
int ProgramEntry(int argc, char** argv) {
  QApplication app(argc, argv);
  stanmon::SetUpLook(app);

  // A line's notice may come before the window exists; it is shown from then on.
  std::function<void(const stanmon::LineNotice&)> line_notice = [](const stanmon::LineNotice&) {};
  const auto notice = [&line_notice](const stanmon::LineNotice& told) { line_notice(told); };
  stanmon::QtSerialLine modem(stanmon::SerialSettingsFromEnvironment(1), notice);
  stanmon::QtSerialLine rs485(stanmon::SerialSettingsFromEnvironment(2), notice);
  shell::QtDialogs dialogs;
  stanmon::LazySound sound(QApplication::applicationDirPath());
  shell::QtPicture picture;
  common::SystemClock clock;
  stanmon::QtReportPrinter printer(clock);

  stanmon::Console console(monitor::ConsolePorts{
      dialogs, modem, rs485, sound, printer, picture, clock, std::filesystem::current_path(),
      QApplication::applicationFilePath().toStdString()});
  stanmon::MainWindow window(console);
  dialogs.SetWindow(&window);
  printer.SetWindow(&window);
  line_notice = [&](const stanmon::LineNotice& told) {
    console.ShowLineNotice(told);
    window.timer_driver().Refresh();
  };

  window.show();
  window.timer_driver().Start();
  return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
  return ProgramEntry(argc, argv);
}
