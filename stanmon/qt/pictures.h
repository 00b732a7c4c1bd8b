// The console's built-in pictures: tool-bar lamps, the plan background, the zone
// markers and the logo.
#pragma once

#include <QColor>
#include <QImage>

namespace stanmon {

// A round lamp of the given colour, 16 x 16.
QImage LampPicture(const QColor& color);
// A zone marker, 16 x 16: red for an alarm zone, green for a service zone.
QImage MarkerPicture(bool alarm);
// The plan shown until a plan picture is loaded, 529 x 361.
QImage PlanBackgroundPicture();
// The logo of the about page, 96 x 96.
QImage LogoPicture();

}  // namespace stanmon
