#include "stanplan/qt/program_entry.h"

#include <QApplication>
#include <filesystem>

#include "common/qt/qt_dialogs.h"
#include "common/qt/qt_picture.h"
#include "stanplan/designer_app.h"
#include "stanplan/qt/app_look.h"
#include "stanplan/qt/designer_window.h"

namespace stanplan {

int DesignerProgramEntry(int argc, char** argv) {
  QApplication app(argc, argv);
  SetUpLook(app);
  shell::QtDialogs dialogs;
  shell::QtPicture picture;
  DesignerApp designer(designer::DesignerPorts{dialogs, picture, std::filesystem::current_path()});
  DesignerWindow window(designer);
  dialogs.SetWindow(&window);
  window.show();
  window.timer_driver().Start();
  return QApplication::exec();
}

}  // namespace stanplan
