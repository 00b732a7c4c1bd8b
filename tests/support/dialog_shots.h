// Pictures of dialogs as they are shown, saved for a look by eye.
#pragma once

#include <QDir>
#include <QString>
#include <optional>

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

// The folder of pictures named on the command line, made if missing; nothing,
// after saying how to call the program, when it is not named or cannot be made.
std::optional<DialogShots> ShotsFromArguments(int argc, char** argv);

}  // namespace testing_support
