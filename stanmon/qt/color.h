// Form colours as Qt colours.
#pragma once

#include <QColor>
#include <QPalette>

#include "monitor/controls.h"

namespace stanmon {

// A plain 0x00BBGGRR colour as it is; a system colour (0x80000000 + n) from the palette.
QColor ToQColor(monitor::Color color, const QPalette& palette);

}  // namespace stanmon
