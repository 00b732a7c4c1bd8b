// The floor that Qt itself sets: a bare window of the console's size whose only
// work is one 101 ms timer, the console's fastest.
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setFixedSize(794, 568);
  int ticks = 0;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
  timer.start(101);
  window.show();
  return QApplication::exec();
}
