// The console's built-in pictures: tool-bar lamps, the plan background, the zone
// markers and the logo.
#pragma once

#include <QColor>
#include <QImage>

namespace stanmon {

// The side of a lamp's and of a zone marker's square picture.
inline constexpr int kLampSide = 16;

// A round lamp of the given colour.
QImage LampPicture(const QColor& color);
// A zone marker, a lamp's size: red for an alarm zone, green for a service zone.
QImage MarkerPicture(bool alarm);
// The plan shown until a plan picture is loaded, 529 x 361.
QImage PlanBackgroundPicture();
// The logo of the about page, 96 x 96.
QImage LogoPicture();

}  // namespace stanmon
