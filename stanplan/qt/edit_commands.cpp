#include "stanplan/qt/edit_commands.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>

namespace stanplan {
namespace {

void ApplyToLine(EditCommand command, QLineEdit* edit) {
  switch (command) {
    case EditCommand::kCut:
      edit->cut();
      break;
    case EditCommand::kCopy:
      edit->copy();
      break;
    case EditCommand::kPaste:
      edit->paste();
      break;
    case EditCommand::kDelete:
      edit->del();
      break;
    case EditCommand::kUndo:
      edit->undo();
      break;
    case EditCommand::kSelectAll:
      edit->selectAll();
      break;
  }
}

// A grid without an open editor: the current cell's whole text.
void ApplyToCell(EditCommand command, QAbstractItemView* view) {
  const QModelIndex cell = view->currentIndex();
  if (!cell.isValid()) return;
  QAbstractItemModel* model = view->model();
  QClipboard* clipboard = QGuiApplication::clipboard();
  const bool editable = (model->flags(cell) & Qt::ItemIsEditable) != 0;
  if (command == EditCommand::kCut || command == EditCommand::kCopy) {
    clipboard->setText(model->data(cell, Qt::EditRole).toString());
  }
  if (!editable) return;
  if (command == EditCommand::kCut || command == EditCommand::kDelete) {
    model->setData(cell, QString(), Qt::EditRole);
  } else if (command == EditCommand::kPaste) {
    model->setData(cell, clipboard->text(), Qt::EditRole);
  }
}

}  // namespace

void ApplyEditCommand(EditCommand command, QWidget* focus) {
  if (auto* line = qobject_cast<QLineEdit*>(focus)) {
    ApplyToLine(command, line);
  } else if (auto* view = qobject_cast<QAbstractItemView*>(focus)) {
    ApplyToCell(command, view);
  }
}

}  // namespace stanplan
