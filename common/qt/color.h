// Form colours as Qt colours.
#pragma once

#include <QColor>
#include <QPalette>

#include "common/controls.h"

namespace shell {

// A plain 0x00BBGGRR colour as it is.
QColor ToQColor(common::Color color);
// A plain colour as it is; a system colour (0x80000000 + n) from the palette.
QColor ToQColor(common::Color color, const QPalette& palette);

}  // namespace shell
