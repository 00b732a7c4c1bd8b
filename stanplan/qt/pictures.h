// The designer's built-in pictures: the background until one is loaded, and
// the zone marks.
#pragma once

#include <QImage>

namespace stanplan {

// The plan shown until a picture is loaded: 529 x 361, 24-bit colour.
QImage BuiltInBackground();
// A zone mark, 16 x 16: red for markers 1..12, green for 13..16.
QImage MarkerMark(int marker);

}  // namespace stanplan
