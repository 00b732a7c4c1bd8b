// Saves pictures of the designer's file dialogs, for a look by eye:
// designer_dialog_screenshots <folder>. designer-read-dialog.png: the settings
// dialog on "All files"; designer-save-dialog.png: the write command proposing
// "pust.txt". Not a test.
#include <QApplication>
#include <QDir>
#include <optional>

#include "common/qt/qt_dialogs.h"
#include "stanplan/designer_app.h"
#include "stanplan/qt/app_look.h"
#include "tests/support/common_fakes.h"
#include "tests/support/dialog_shots.h"
#include "tests/support/modal.h"

int main(int argc, char** argv) {
  std::optional<testing_support::DialogShots> found =
      testing_support::ShotsFromArguments(argc, argv);
  if (!found) return 2;
  testing_support::DialogShots& shots = *found;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  stanplan::SetUpLook(app);

  testing_support::TempFolder work;
  for (const char* name :
       {"2026_03_05.txt", "tab1.txt", "pust.txt", "pust2.txt", "fon1.bmp", "pust"}) {
    work.Write(name, "");
  }
  shell::QtDialogs dialogs;
  testing_support::WhileModal(
      [&] {
        dialogs.OpenFileProposing("Выбор установок", "Файл установок|pust*.txt|All files|*.*",
                                  work.path.string(), {"", 2});
      },
      [&](QWidget& shown) { shots.SaveAndClose(shown, "designer-read-dialog"); });
  // The designer's own write command, its program file elsewhere.
  testing_support::FakePicture picture;
  stanplan::DesignerApp designer(designer::DesignerPorts{dialogs, picture, work.path});
  testing_support::WhileModal(
      [&] { designer.Click("N8"); },
      [&](QWidget& shown) { shots.SaveAndClose(shown, "designer-save-dialog"); });
  return shots.ok ? 0 : 1;
}
