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

}  // namespace

QStringList ToQtFilters(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
  if (parts.size() == 1) return parts;  // a bare pattern
  QStringList entries;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString& pattern : patterns) {
      if (pattern == QStringLiteral("*.*")) pattern = QStringLiteral("*");
    }
    entries.append(parts[i] + " (" + patterns.join(' ') + ")");
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
  const auto chosen = ShowFileDialog(false, title, filter, start_folder, {});
  if (!chosen) return std::nullopt;
  return chosen->file_name;
}

std::optional<std::string> QtDialogs::SaveFile(const std::string& title, const std::string& filter,
                                               const std::string& start_folder) {
  const auto chosen = ShowFileDialog(true, title, filter, start_folder, {});
  if (!chosen) return std::nullopt;
  return chosen->file_name;
}

std::optional<common::FileSelection> QtDialogs::OpenFileProposing(
    const std::string& title, const std::string& filter, const std::string& start_folder,
    const common::FileSelection& proposed) {
  return ShowFileDialog(false, title, filter, start_folder, proposed);
}

std::optional<common::FileSelection> QtDialogs::SaveFileProposing(
    const std::string& title, const std::string& filter, const std::string& start_folder,
    const common::FileSelection& proposed) {
  return ShowFileDialog(true, title, filter, start_folder, proposed);
}

std::optional<common::FileSelection> QtDialogs::ShowFileDialog(
    bool save, const std::string& title, const std::string& filter, const std::string& start_folder,
    const common::FileSelection& proposed) {
  QFileDialog dialog(window_, QString::fromStdString(title), StartFolder(start_folder));
  // Qt's own dialog everywhere: it speaks the interface's language and takes any name.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  const QStringList filters = ToQtFilters(filter);
  dialog.setNameFilters(filters);
  if (proposed.filter_index >= 1 && proposed.filter_index <= filters.size()) {
    dialog.selectNameFilter(filters[proposed.filter_index - 1]);
  }
  if (!proposed.file_name.empty()) dialog.selectFile(QString::fromStdString(proposed.file_name));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  const auto chosen_filter = filters.indexOf(dialog.selectedNameFilter());
  return common::FileSelection{
      dialog.selectedFiles().front().toStdString(),
      chosen_filter < 0 ? proposed.filter_index : static_cast<int>(chosen_filter) + 1};
}

}  // namespace shell
