#include "stanplan/qt/pictures.h"

#include <QPainter>
#include <QRadialGradient>

namespace stanplan {
namespace {

constexpr int kLastRedMarker = 12;

// Tracing paper with a millimetre grid, an empty site outline and a title block.
void DrawPaper(QPainter& p, const QRect& area) {
  p.fillRect(area, QColor(236, 242, 248));
  for (int x = 0; x < area.width(); x += 8) {
    p.setPen(QColor(x % 40 == 0 ? 200 : 222, x % 40 == 0 ? 214 : 230, 240));
    p.drawLine(x, 0, x, area.height());
  }
  for (int y = 0; y < area.height(); y += 8) {
    p.setPen(QColor(y % 40 == 0 ? 200 : 222, y % 40 == 0 ? 214 : 230, 240));
    p.drawLine(0, y, area.width(), y);
  }
}

void DrawOutline(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  QPen dashed(QColor(96, 120, 160), 1.5, Qt::DashLine);
  p.setPen(dashed);
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(40.5, 56.5, 448, 248));

  // Corner ticks of the drawing frame.
  p.setPen(QPen(QColor(70, 90, 130), 2));
  for (const QPoint corner : {QPoint(40, 56), QPoint(488, 56), QPoint(40, 304), QPoint(488, 304)}) {
    const int dx = corner.x() < 100 ? 1 : -1;
    const int dy = corner.y() < 100 ? 1 : -1;
    p.drawLine(corner, corner + QPoint(14 * dx, 0));
    p.drawLine(corner, corner + QPoint(0, 14 * dy));
  }
}

void DrawTitleBlock(QPainter& p, const QRect& area) {
  const QRect block(area.width() - 190, area.height() - 44, 182, 36);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QPen(QColor(70, 90, 130), 1));
  p.setBrush(QColor(248, 250, 253));
  p.drawRect(block);
  p.drawLine(block.left(), block.top() + 18, block.right(), block.top() + 18);
  QFont font = p.font();
  font.setPixelSize(11);
  p.setFont(font);
  p.setPen(QColor(50, 70, 110));
  p.drawText(block.adjusted(6, 0, -6, -18), Qt::AlignVCenter | Qt::AlignLeft,
             QString::fromUtf8("План объекта"));
  p.drawText(block.adjusted(6, 18, -6, 0), Qt::AlignVCenter | Qt::AlignLeft,
             QString::fromUtf8("Откройте фоновый рисунок"));
}

// A north arrow in the top right corner.
void DrawNorthArrow(QPainter& p, const QRect& area) {
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF tip(area.width() - 26, 14);
  const QPolygonF arrow({tip, tip + QPointF(7, 22), tip + QPointF(0, 16), tip + QPointF(-7, 22)});
  p.setPen(QPen(QColor(70, 90, 130), 1));
  p.setBrush(QColor(70, 90, 130));
  p.drawPolygon(arrow);
  QFont font = p.font();
  font.setPixelSize(10);
  font.setBold(true);
  p.setFont(font);
  p.drawText(QRectF(tip.x() - 8, tip.y() + 22, 16, 14), Qt::AlignCenter, QStringLiteral("N"));
}

}  // namespace

QImage BuiltInBackground() {
  const QRect area(0, 0, 529, 361);
  QImage image(area.size(), QImage::Format_RGB888);
  QPainter p(&image);
  DrawPaper(p, area);
  DrawOutline(p);
  DrawTitleBlock(p, area);
  DrawNorthArrow(p, area);
  return image;
}

QImage MarkerMark(int marker) {
  const QColor color = marker <= kLastRedMarker ? QColor(214, 28, 28) : QColor(24, 160, 52);
  QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QRadialGradient shine(QPointF(6, 5.5), 9);
  shine.setColorAt(0, color.lighter(170));
  shine.setColorAt(0.6, color);
  shine.setColorAt(1, color.darker(140));
  p.setPen(QPen(color.darker(220), 1));
  p.setBrush(shine);
  p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
  p.setPen(QPen(QColor(255, 255, 255, 220), 1.4));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QRectF(5, 5, 6, 6));
  return image;
}

}  // namespace stanplan
