#include "common/qt/edit_commands.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace shell {
namespace {

// The selected text, or else the character after the cursor.
void DeleteIn(QLineEdit* edit) {
  edit->del();
}
void DeleteIn(QPlainTextEdit* edit) {
  edit->textCursor().deleteChar();
}

template <typename Edit>
void ApplyToText(EditCommand command, Edit* edit) {
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
      DeleteIn(edit);
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
    ApplyToText(command, line);
  } else if (auto* memo = qobject_cast<QPlainTextEdit*>(focus)) {
    ApplyToText(command, memo);
  } else if (auto* view = qobject_cast<QAbstractItemView*>(focus)) {
    ApplyToCell(command, view);
  }
}

}  // namespace shell
