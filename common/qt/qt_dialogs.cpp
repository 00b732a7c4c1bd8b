#include "common/qt/qt_dialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QStringList>

namespace shell {
namespace {

QMessageBox::Icon ToQtIcon(common::BoxIcon icon) {
  switch (icon) {
    case common::BoxIcon::Information:
      return QMessageBox::Information;
    case common::BoxIcon::Question:
      return QMessageBox::Question;
    case common::BoxIcon::Warning:
      return QMessageBox::Warning;
    case common::BoxIcon::Error:
      return QMessageBox::Critical;
    case common::BoxIcon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

int ShowBox(QWidget* window, const std::string& text, const std::string& caption,
            common::BoxIcon icon, QMessageBox::StandardButtons buttons) {
  QMessageBox box(ToQtIcon(icon), QString::fromStdString(caption), QString::fromStdString(text),
                  buttons, window);
  return box.exec();
}

std::optional<std::string> Chosen(const QString& path) {
  if (path.isEmpty()) return std::nullopt;
  return path.toStdString();
}

}  // namespace

QStringList ToQtFilters(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
  if (parts.size() == 1) return parts;  // a bare pattern
  QStringList entries;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    const QString patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts).join(' ');
    entries.append(parts[i] + " (" + patterns + ")");
  }
  return entries;
}

QString ToQtFilter(const std::string& filter) {
  return ToQtFilters(filter).join(";;");
}

QString StartFolder(const std::string& start_folder) {
  if (start_folder.empty()) return {};
  const QFileInfo info(QString::fromStdString(start_folder));
  return info.isDir() ? info.filePath() : info.path();
}

bool QtDialogs::Confirm(const std::string& text, const std::string& caption, common::BoxIcon icon) {
  return ShowBox(window_, text, caption, icon, QMessageBox::Ok | QMessageBox::Cancel) ==
         QMessageBox::Ok;
}

void QtDialogs::Inform(const std::string& text, const std::string& caption, common::BoxIcon icon) {
  ShowBox(window_, text, caption, icon, QMessageBox::Ok);
}

std::optional<std::string> QtDialogs::Input(const std::string& caption, const std::string& prompt,
                                            const std::string& default_text) {
  bool ok = false;
  const QString text = QInputDialog::getText(window_, QString::fromStdString(caption),
                                             QString::fromStdString(prompt), QLineEdit::Normal,
                                             QString::fromStdString(default_text), &ok);
  if (!ok) return std::nullopt;
  return text.toStdString();
}

std::optional<std::string> QtDialogs::OpenFile(const std::string& title, const std::string& filter,
                                               const std::string& start_folder) {
  return ShowFileDialog(false, title, filter, start_folder, "");
}

std::optional<std::string> QtDialogs::SaveFile(const std::string& title, const std::string& filter,
                                               const std::string& start_folder) {
  return ShowFileDialog(true, title, filter, start_folder, "");
}

std::optional<std::string> QtDialogs::OpenFileProposing(const std::string& title,
                                                        const std::string& filter,
                                                        const std::string& start_folder,
                                                        const std::string& file_name) {
  return ShowFileDialog(false, title, filter, start_folder, file_name);
}

std::optional<std::string> QtDialogs::SaveFileProposing(const std::string& title,
                                                        const std::string& filter,
                                                        const std::string& start_folder,
                                                        const std::string& file_name) {
  return ShowFileDialog(true, title, filter, start_folder, file_name);
}

std::optional<std::string> QtDialogs::ShowFileDialog(bool save, const std::string& title,
                                                     const std::string& filter,
                                                     const std::string& start_folder,
                                                     const std::string& file_name) {
  if (choice_ == FileChoice::kChecked) {
    const QString caption = QString::fromStdString(title);
    return Chosen(save ? QFileDialog::getSaveFileName(window_, caption, StartFolder(start_folder),
                                                      ToQtFilter(filter))
                       : QFileDialog::getOpenFileName(window_, caption, StartFolder(start_folder),
                                                      ToQtFilter(filter)));
  }
  QFileDialog dialog(window_, QString::fromStdString(title), StartFolder(start_folder));
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setNameFilters(ToQtFilters(filter));
  if (!file_name.empty()) dialog.selectFile(QString::fromStdString(file_name));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front().toStdString();
}

}  // namespace shell
