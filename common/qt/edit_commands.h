// The standard edit actions on the widget that has the focus: a line edit (also a
// grid's cell editor or a combo box's edit), a memo, or the current cell of a grid.
#pragma once

class QWidget;

namespace shell {

enum class EditCommand { kCut, kCopy, kPaste, kDelete, kUndo, kSelectAll };

void ApplyEditCommand(EditCommand command, QWidget* focus);

}  // namespace shell
