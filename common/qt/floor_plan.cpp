#include "common/qt/floor_plan.h"

#include <QPainter>

namespace shell {

void PaintRooms(QPainter& p, std::span<const Room> rooms, const RoomLabel& label) {
  QFont font = p.font();
  font.setPixelSize(12);
  p.setFont(font);
  for (const Room& room : rooms) {
    p.fillRect(room.area, room.floor);
    p.setPen(label.color);
    p.drawText(room.area.marginsRemoved(label.margins), label.corner, QString::fromUtf8(room.name));
  }
}

}  // namespace shell
