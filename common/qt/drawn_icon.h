// A button picture drawn in code, 16 x 16, on a transparent ground.
#pragma once

#include <QIcon>

class QPainter;

namespace shell {

inline constexpr int kIconSide = 16;

// The icon that draw paints with an antialiasing painter.
QIcon DrawnIcon(void (*draw)(QPainter& p));

}  // namespace shell
