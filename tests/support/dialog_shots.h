// Pictures of dialogs as they are shown, saved for a look by eye.
#pragma once

#include <QDir>
#include <QString>

class QWidget;

namespace testing_support {

// Saves pictures into a folder and prints the name of each file saved.
struct DialogShots {
  QDir folder;
  bool ok = true;  // every picture was saved

  // Saves the dialog as it is shown, once a file dialog has listed its folder.
  void Save(QWidget& dialog, const QString& name);
  // Saves it, then closes it.
  void SaveAndClose(QWidget& dialog, const QString& name);
};

}  // namespace testing_support
