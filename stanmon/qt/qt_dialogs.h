// The modal boxes and file dialogs, with Qt's standard dialogs.
#pragma once

#include <QString>

#include "common/dialogs.h"

class QWidget;

namespace stanmon {

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

 private:
  QWidget* window_ = nullptr;
};

// "label|pattern|label|pattern" as Qt's "label (pattern);;label (pattern)"; the
// patterns of one entry are separated by ";" in the form and by blanks for Qt.
QString ToQtFilter(const std::string& filter);
// The folder a file dialog opens in: the start folder itself, or the folder of
// the file it names.
QString StartFolder(const std::string& start_folder);

}  // namespace stanmon
