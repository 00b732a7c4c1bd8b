// The image list ImageList1: the pictures of the tool bar, the menu entries and
// the buttons, by their index, drawn here at 16 x 16.
#pragma once

#include <QIcon>

namespace stanplan {

// An empty icon for an index the list does not hold.
QIcon ImageListIcon(int index);

}  // namespace stanplan
