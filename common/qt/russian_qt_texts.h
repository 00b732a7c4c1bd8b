// Qt's own texts in Russian: the standard buttons of the boxes, the file and
// print dialogs and the print preview, whatever the user's locale.
#pragma once

class QCoreApplication;

namespace shell {

// Makes Russian the interface's locale and installs Qt's Russian translations
// from Qt's translations folder. False when they are not installed; Qt's texts
// then stay English.
bool InstallRussianQtTexts(QCoreApplication& app);

}  // namespace shell
