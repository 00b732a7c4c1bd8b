// The standard edit actions on the widget that has the focus: a line edit (the
// grid's cell editor too), or the current cell of the grid.
#pragma once

class QWidget;

namespace stanplan {

enum class EditCommand { kCut, kCopy, kPaste, kDelete, kUndo, kSelectAll };

void ApplyEditCommand(EditCommand command, QWidget* focus);

}  // namespace stanplan
