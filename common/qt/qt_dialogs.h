// The modal boxes and file dialogs, with Qt's standard dialogs.
#pragma once

#include <QString>
#include <QStringList>

#include "common/dialogs.h"

class QWidget;

namespace shell {

// What the file dialogs take as the chosen file.
enum class FileChoice {
  // Qt's own open and save boxes: only an existing file opens, and replacing one
  // asks first. They propose no file name.
  kChecked,
  // An open dialog also takes the name of a file that does not exist, a save dialog
  // an existing one without asking; both propose the file name they are given.
  kAnyName,
};

class QtDialogs : public common::Dialogs {
 public:
  explicit QtDialogs(FileChoice choice) : choice_(choice) {}

  // The boxes open over the window given here (none until the window exists).
  void SetWindow(QWidget* window) { window_ = window; }

  bool Confirm(const std::string& text, const std::string& caption, common::BoxIcon icon) override;
  void Inform(const std::string& text, const std::string& caption, common::BoxIcon icon) override;
  std::optional<std::string> Input(const std::string& caption, const std::string& prompt,
                                   const std::string& default_text) override;
  std::optional<std::string> OpenFile(const std::string& title, const std::string& filter,
                                      const std::string& start_folder) override;
  std::optional<std::string> SaveFile(const std::string& title, const std::string& filter,
                                      const std::string& start_folder) override;
  std::optional<std::string> OpenFileProposing(const std::string& title, const std::string& filter,
                                               const std::string& start_folder,
                                               const std::string& file_name) override;
  std::optional<std::string> SaveFileProposing(const std::string& title, const std::string& filter,
                                               const std::string& start_folder,
                                               const std::string& file_name) override;

 private:
  std::optional<std::string> ShowFileDialog(bool save, const std::string& title,
                                            const std::string& filter,
                                            const std::string& start_folder,
                                            const std::string& file_name);

  FileChoice choice_;
  QWidget* window_ = nullptr;
};

// "label|pattern|label|pattern" as Qt's filters "label (pattern)", one an entry;
// the patterns of one entry are separated by ";" in the form and by blanks for Qt.
QStringList ToQtFilters(const std::string& filter);
// The same filters as one text, separated by ";;".
QString ToQtFilter(const std::string& filter);
// The folder a file dialog opens in: the start folder itself, or the folder of
// the file it names.
QString StartFolder(const std::string& start_folder);

}  // namespace shell
