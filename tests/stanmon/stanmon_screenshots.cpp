// Saves pictures of the console window for a look by eye: stanmon_screenshots <folder>.
// page0..4.png: every page after the first main-cycle tick with default settings files;
// mnemonic-events.png, journal-events.png: after an RS485 set, a GSM set and an
// output report; plan-demo-on.png, plan-demo-off.png: the demonstration on a plan
// of its own in both blink phases.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <cstdio>

#include "common/plan_settings_file.h"
#include "common/qt/qt_picture.h"
#include "common/timer_bank.h"
#include "stanmon/console.h"
#include "stanmon/qt/app_look.h"
#include "stanmon/qt/main_window.h"
#include "tests/support/fakes.h"

namespace {

struct Room {
  QRect area;
  const char* name;
};

// A floor of four rooms and a corridor; marker k sits in room (k - 1) % 4.
const Room kRooms[] = {
    {{10, 10, 160, 150}, "Склад"},
    {{180, 10, 160, 150}, "Офис"},
    {{350, 10, 160, 150}, "Касса"},
    {{10, 230, 500, 120}, "Цех"},
};

void DrawPlan(const std::filesystem::path& file) {
  QImage plan(520, 360, QImage::Format_RGB32);
  plan.fill(QColor(250, 248, 235));
  QPainter painter(&plan);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(60, 60, 60), 4));
  for (const Room& room : kRooms) painter.drawRect(room.area);
  painter.setPen(QPen(QColor(150, 150, 150), 1, Qt::DashLine));
  painter.drawText(QRect(10, 165, 500, 60), Qt::AlignCenter, QStringLiteral("Коридор"));
  painter.setPen(Qt::darkBlue);
  QFont font = painter.font();
  font.setPixelSize(14);
  font.setBold(true);
  painter.setFont(font);
  for (const Room& room : kRooms) {
    painter.drawText(room.area.adjusted(8, 6, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                     QString::fromUtf8(room.name));
  }
  painter.end();
  plan.save(QString::fromStdString(file.string()), "BMP");
}

common::PlanMarkers MarkersInRooms() {
  common::PlanMarkers markers;
  for (int k = 1; k <= 16; ++k) {
    const QRect& room = kRooms[(k - 1) % 4].area;
    const int slot = (k - 1) / 4;
    markers[k - 1] = {room.left() + 20 + 30 * slot, room.top() + 50 + 10 * slot};
  }
  return markers;
}

struct Shots {
  stanmon::Console& console;
  stanmon::MainWindow& window;
  QDir folder;

  bool Save(int page, const QString& name) {
    console.form().ActivePageIndex = page;
    window.Render();
    QApplication::processEvents();
    const QString file = folder.filePath(name + ".png");
    if (!window.grab().save(file)) return false;
    std::printf("%s\n", qPrintable(file));
    return true;
  }
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  stanmon::SetUpLook(app);

  testing_support::FakePorts fakes;
  shell::QtPicture picture;  // real pictures, for the plan's background
  stanmon::Console console(monitor::ConsolePorts{fakes.dialogs, fakes.modem, fakes.rs485,
                                                 fakes.sound, fakes.printer, picture, fakes.clock,
                                                 fakes.folder.path, "/opt/stanmon/stanmon"});
  stanmon::MainWindow window(console);
  common::VirtualTime time(console.timers());
  const int pass_ms = console.form().Timer3.Interval;
  const int blink_ms = console.form().Timer4.Interval;
  time.Advance(pass_ms);
  window.show();

  Shots shots{console, window, QDir(QString::fromLocal8Bit(argv[1]))};
  if (!shots.folder.mkpath(".")) return 1;
  for (int page = 0; page < 5; ++page) {
    if (!shots.Save(page, QStringLiteral("page%1").arg(page))) return 1;
  }

  // Signal 5 of channel 2 over RS485, signals 1, 2, 14 and 15 of channel 7 by SMS,
  // both channels just heard from, output 1 of channel 3 reported on.
  monitor::SharedState& state = console.state();
  state.RxRs485 = {2, "0000100000000000", 0x0800, 1};
  state.RxGsm = {7, "11000000000000110", 0xC006, 1};
  state.LinkAge[2] = 0;
  state.LinkAge[7] = 0;
  state.OutputState[3].P1 = true;
  time.Advance(pass_ms);
  if (!shots.Save(0, "mnemonic-events") || !shots.Save(4, "journal-events")) return 1;

  DrawPlan(fakes.folder.path / "fon16.bmp");
  common::WritePlanSettingsFile(fakes.folder.path / "pust16.txt", MarkersInRooms());
  console.form().ComboBox1.Text = "Иванов";
  console.Click("N15");
  // A step every sixth tick from the first: seven signals on at the first picture.
  time.Advance(6 * 6 * blink_ms + blink_ms);
  const char* first = console.station().core.MarkerBlinkOn ? "plan-demo-on" : "plan-demo-off";
  const char* second = console.station().core.MarkerBlinkOn ? "plan-demo-off" : "plan-demo-on";
  if (!shots.Save(2, first)) return 1;
  time.Advance(blink_ms);
  if (!shots.Save(2, second)) return 1;
  return 0;
}
