// Floor plans drawn in code, for the built-in plan picture and sample plans:
// rooms as coloured floors, each named in a corner.
#pragma once

#include <QColor>
#include <QRect>
#include <span>

class QPainter;

namespace shell {

struct Room {
  QRect area;
  QColor floor;
  const char* name;  // UTF-8
};

// How a room's name is written: its colour, its distance from the room's edges
// and the corner it keeps to.
struct RoomLabel {
  QColor color;
  QMargins margins;
  Qt::Alignment corner;
};

// The floors, then each name, in a 12-pixel font.
void PaintRooms(QPainter& p, std::span<const Room> rooms, const RoomLabel& label);

}  // namespace shell
