// Saves a picture of the designer window with a background plan and markers
// placed over it, and one of the first start in an empty folder:
// stanplan_screenshot [<png file> [<png file of the first start>]].
// Not a test; for a look by eye.
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <filesystem>

#include "common/qt/floor_plan.h"
#include "common/qt/qt_picture.h"
#include "common/timer_bank.h"
#include "stanplan/designer_app.h"
#include "stanplan/qt/app_look.h"
#include "stanplan/qt/designer_window.h"
#include "tests/support/common_fakes.h"

namespace {

// A small warehouse floor plan, 560 x 360, as a user would scan or draw one.
QImage FloorPlan() {
  QImage image(560, 360, QImage::Format_RGB888);
  image.fill(QColor(252, 252, 248));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const shell::Room rooms[] = {
      {{20, 20, 250, 180}, QColor(226, 236, 246), "Склад готовой продукции"},
      {{270, 20, 150, 110}, QColor(236, 246, 226), "Офис"},
      {{420, 20, 110, 110}, QColor(250, 238, 220), "Серверная"},
      {{270, 130, 260, 70}, QColor(240, 240, 236), "Коридор"},
      {{20, 200, 180, 140}, QColor(246, 230, 236), "Котельная"},
      {{200, 200, 330, 140}, QColor(252, 248, 222), "Цех"},
  };
  shell::PaintRooms(
      p, rooms, {QColor(110, 110, 120), QMargins(8, 6, 8, 6), Qt::AlignRight | Qt::AlignBottom});
  p.setPen(QPen(QColor(60, 60, 70), 5, Qt::SolidLine, Qt::SquareCap));
  p.drawRect(20, 20, 510, 320);
  p.setPen(QPen(QColor(60, 60, 70), 3, Qt::SolidLine, Qt::SquareCap));
  p.drawLine(270, 20, 270, 200);
  p.drawLine(420, 20, 420, 130);
  p.drawLine(270, 130, 530, 130);
  p.drawLine(20, 200, 530, 200);
  p.drawLine(200, 200, 200, 340);
  // Doors: gaps with a swing arc.
  p.setPen(QPen(QColor(60, 60, 70), 1));
  for (const QPoint door :
       {QPoint(300, 130), QPoint(450, 130), QPoint(240, 200), QPoint(100, 200), QPoint(380, 200)}) {
    p.fillRect(door.x(), door.y() - 3, 28, 7, QColor(252, 252, 248));
    p.drawArc(QRect(door.x() - 28, door.y() - 28, 56, 56), 0, 90 * 16);
  }
  p.fillRect(14, 150, 12, 34, QColor(252, 252, 248));  // the entrance
  // Windows on the outer wall.
  p.setPen(QPen(QColor(90, 150, 210), 3));
  for (int x : {60, 150, 320, 460}) p.drawLine(x, 20, x + 36, 20);
  for (int x : {60, 260, 420}) p.drawLine(x, 340, x + 36, 340);
  return image;
}

// Marker k where a zone sensor of that number might sit on the plan.
const QPoint kSensors[16] = {
    {40, 40},   {230, 40},  {40, 170}, {230, 170}, {300, 40},  {390, 100}, {440, 40},  {505, 100},
    {290, 160}, {500, 160}, {40, 220}, {170, 310}, {220, 220}, {500, 220}, {220, 310}, {500, 310},
};

// The designer with real pictures over a folder, after its start-up load.
struct Designer {
  explicit Designer(const std::filesystem::path& folder)
      : app(designer::DesignerPorts{dialogs, picture, folder}), window(app), time(app.timers()) {
    time.Advance(app.form().Timer3.Interval);
  }

  testing_support::ScriptedDialogs dialogs;
  shell::QtPicture picture;
  stanplan::DesignerApp app;
  stanplan::DesignerWindow window;
  common::VirtualTime time;
};

// The window on screen, saved as a picture.
bool SaveWindow(stanplan::DesignerWindow& window, const QString& out) {
  window.Render();
  window.show();
  QApplication::processEvents();
  return window.grab().save(out);
}

}  // namespace

// The window after the start-up load in an empty folder: the built-in picture.
bool SaveFirstStart(const QString& out) {
  testing_support::TempFolder folder;
  Designer shown(folder.path);
  return SaveWindow(shown.window, out);
}

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  stanplan::SetUpLook(app);
  const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : "/tmp/stanplan-designer.png";
  const QString first =
      argc > 2 ? QString::fromLocal8Bit(argv[2]) : "/tmp/stanplan-first-start.png";
  if (!SaveFirstStart(first)) return 1;
  std::printf("%s\n", qPrintable(first));

  testing_support::TempFolder folder;
  if (!FloorPlan().save(QString::fromStdString((folder.path / "fon1.bmp").string()), "BMP")) {
    return 1;
  }
  std::string plan;
  for (const QPoint& at : kSensors) {
    plan += std::to_string(at.x()) + "\r\n" + std::to_string(at.y()) + "\r\n";
  }
  folder.Write("pust.txt", plan);

  Designer shown(folder.path);
  // Read the same plan through the dialog, so both panels name a file, and
  // select marker 6 with its spinner.
  shown.dialogs.text_answers = {(folder.path / "fon1.bmp").string(),
                                (folder.path / "pust.txt").string()};
  shown.app.Click("N6");
  shown.app.Click("N7");
  for (int k = 1; k < 6; ++k) shown.app.Spin("UpDown1", designer::SpinButton::kUp);
  if (!SaveWindow(shown.window, out)) return 1;
  std::printf("%s\n", qPrintable(out));
  return 0;
}
