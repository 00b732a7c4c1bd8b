#include "tests/support/dialog_shots.h"

#include <QTest>
#include <QWidget>
#include <cstdio>

namespace testing_support {

void DialogShots::Save(QWidget& dialog, const QString& name) {
  QTest::qWait(300);  // a file dialog lists its folder in the background
  const QString file = folder.filePath(name + ".png");
  ok = dialog.grab().save(file) && ok;
  std::printf("%s\n", qPrintable(file));
}

std::optional<DialogShots> ShotsFromArguments(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
    return std::nullopt;
  }
  DialogShots shots{QDir(QString::fromLocal8Bit(argv[1]))};
  if (!shots.folder.mkpath(".")) return std::nullopt;
  return shots;
}

void DialogShots::SaveAndClose(QWidget& dialog, const QString& name) {
  Save(dialog, name);
  dialog.close();
}

}  // namespace testing_support
