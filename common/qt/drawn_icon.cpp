#include "common/qt/drawn_icon.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>

namespace shell {

QIcon DrawnIcon(void (*draw)(QPainter& p)) {
  QImage image(kIconSide, kIconSide, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  draw(p);
  p.end();
  return QIcon(QPixmap::fromImage(image));
}

}  // namespace shell
