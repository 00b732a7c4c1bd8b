#include "stanmon/qt/edit_commands.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace stanmon {
namespace {

template <typename Edit>
void Apply(EditCommand command, Edit* edit) {
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
  }
}

// A grid without an open editor: the current cell's whole text.
void ApplyToCell(EditCommand command, QAbstractItemView* view) {
  const QModelIndex cell = view->currentIndex();
  if (!cell.isValid()) return;
  QAbstractItemModel* model = view->model();
  QClipboard* clipboard = QGuiApplication::clipboard();
  const bool editable = (model->flags(cell) & Qt::ItemIsEditable) != 0;
  if (command != EditCommand::kPaste)
    clipboard->setText(model->data(cell, Qt::EditRole).toString());
  if (!editable || command == EditCommand::kCopy) return;
  model->setData(cell, command == EditCommand::kCut ? QString() : clipboard->text(), Qt::EditRole);
}

}  // namespace

void ApplyEditCommand(EditCommand command, QWidget* focus) {
  if (auto* line = qobject_cast<QLineEdit*>(focus)) {
    Apply(command, line);
  } else if (auto* memo = qobject_cast<QPlainTextEdit*>(focus)) {
    Apply(command, memo);
  } else if (auto* view = qobject_cast<QAbstractItemView*>(focus)) {
    ApplyToCell(command, view);
  }
}

}  // namespace stanmon
