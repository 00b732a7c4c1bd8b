// Leaks on purpose, in a handler that Qt's event loop runs, as the programs' own
// code runs: the suite expects LeakSanitizer to report it past the suppressions.
#include <QCoreApplication>
#include <QTimer>

namespace {

int* volatile kept = nullptr;

void LeakUnderTheEventLoop() {
  kept = new int[1000];
  kept = nullptr;
  QCoreApplication::quit();
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QTimer::singleShot(0, &LeakUnderTheEventLoop);
  return QCoreApplication::exec();
}
