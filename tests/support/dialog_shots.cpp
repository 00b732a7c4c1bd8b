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

void DialogShots::SaveAndClose(QWidget& dialog, const QString& name) {
  Save(dialog, name);
  dialog.close();
}

}  // namespace testing_support
