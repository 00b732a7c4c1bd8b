// "Применить": the current marker to the coordinates being edited, on the
// screen and in its grid row.
#pragma once

#include "designer/desk.h"

namespace designer {

// Edit1 .. Edit3 converted in that order; the coordinates are taken as 16-bit
// unsigned numbers ("-1" is 65535, "70000" is 4464). A number outside 1..16
// moves no marker and writes no grid row. The edit fields keep their texts.
void BitBtn1Click(Desk& d);

}  // namespace designer
