// "Прочитать файл установок": a plan settings file into the coordinate grid;
// from the tool bar the markers and edit fields follow the grid as well.
#pragma once

#include "designer/desk.h"

namespace designer {

// Pairs of lines into columns 1 and 2 of rows 1..16, verbatim, until the file
// ends; the file's name into status panel 1. A file that cannot be opened or
// read is reported in a box of its own ("Ошибка чтения файла "), and the
// command then ends normally.
void N7Click(Desk& d);

// As N7Click, then, whatever its outcome, every marker from its grid row and
// Edit1 .. Edit3 from marker 1. A row that is no number throws PlatformError.
void ToolButton2Click(Desk& d);

}  // namespace designer
