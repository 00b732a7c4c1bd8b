// The modal boxes and file dialogs, with Qt's standard dialogs.
#pragma once

#include <QString>
#include <QStringList>

#include "common/dialogs.h"

class QWidget;

namespace shell {

// The boxes and Qt's own file dialog, the same on every desktop. An open dialog
// also takes the name of a file that does not exist, so the command that opens it
// reports the failure in its own words; a save dialog takes an existing file
// without asking.
class QtDialogs : public common::Dialogs {
 public:
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
  std::optional<common::FileSelection> OpenFileProposing(
      const std::string& title, const std::string& filter, const std::string& start_folder,
      const common::FileSelection& proposed) override;
  std::optional<common::FileSelection> SaveFileProposing(
      const std::string& title, const std::string& filter, const std::string& start_folder,
      const common::FileSelection& proposed) override;

 private:
  std::optional<common::FileSelection> ShowFileDialog(bool save, const std::string& title,
                                                      const std::string& filter,
                                                      const std::string& start_folder,
                                                      const common::FileSelection& proposed);

  QWidget* window_ = nullptr;
};

// "label|pattern|label|pattern" as Qt's filters "label (pattern)", one an entry;
// the patterns of one entry are separated by ";" in the form and by blanks for Qt.
// "*.*" means every file, as on the platform the forms were made for, so it
// becomes "*": Qt's "*.*" would leave out names without a dot.
QStringList ToQtFilters(const std::string& filter);
// The same filters as one text, separated by ";;".
QString ToQtFilter(const std::string& filter);
// The folder a file dialog opens in: the start folder itself, or the folder of
// the file it names.
QString StartFolder(const std::string& start_folder);

}  // namespace shell
