#include "stanmon/qt/glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <iterator>

#include "common/qt/drawn_icon.h"

namespace stanmon {
namespace {

const QColor kOutline(60, 60, 60);

void DrawFolder(QPainter& p) {
  p.setPen(QPen(QColor(150, 110, 20), 1));
  p.setBrush(QColor(240, 200, 80));
  p.drawRect(1, 4, 13, 9);
  p.setBrush(QColor(250, 220, 120));
  QPainterPath tab;
  tab.moveTo(1, 4);
  tab.lineTo(2, 2);
  tab.lineTo(6, 2);
  tab.lineTo(7, 4);
  p.drawPath(tab);
}

void DrawDiskette(QPainter& p) {
  p.setPen(QPen(QColor(20, 40, 90), 1));
  p.setBrush(QColor(50, 90, 170));
  p.drawRect(1, 1, 13, 13);
  p.setBrush(Qt::white);
  p.drawRect(4, 1, 7, 5);
  p.setBrush(QColor(200, 200, 200));
  p.drawRect(3, 9, 9, 5);
  p.fillRect(8, 2, 2, 3, QColor(50, 90, 170));
}

void DrawPrinter(QPainter& p) {
  p.setPen(QPen(kOutline, 1));
  p.setBrush(Qt::white);
  p.drawRect(4, 1, 7, 5);
  p.setBrush(QColor(190, 190, 190));
  p.drawRect(1, 6, 13, 6);
  p.setBrush(Qt::white);
  p.drawRect(4, 10, 7, 5);
  p.fillRect(11, 8, 2, 1, QColor(40, 170, 40));
}

void DrawBellOff(QPainter& p) {
  p.setPen(QPen(QColor(120, 90, 0), 1));
  p.setBrush(QColor(250, 200, 40));
  QPainterPath bell;
  bell.moveTo(3, 12);
  bell.cubicTo(4, 10, 4, 3, 8, 3);
  bell.cubicTo(12, 3, 12, 10, 13, 12);
  bell.closeSubpath();
  p.drawPath(bell);
  p.drawEllipse(QPointF(8, 13.5), 1.5, 1.5);
  p.setPen(QPen(QColor(210, 0, 0), 2));
  p.drawLine(2, 2, 14, 14);
}

void DrawScissors(QPainter& p) {
  p.setPen(QPen(kOutline, 1.2));
  p.drawLine(QPointF(5, 1), QPointF(10, 10));
  p.drawLine(QPointF(11, 1), QPointF(6, 10));
  p.setPen(QPen(QColor(200, 30, 30), 1.5));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(5, 12), 2.5, 2.5);
  p.drawEllipse(QPointF(11, 12), 2.5, 2.5);
}

void DrawSheet(QPainter& p, int x, int y) {
  p.setPen(QPen(kOutline, 1));
  p.setBrush(Qt::white);
  p.drawRect(x, y, 8, 10);
  p.setPen(QPen(QColor(120, 140, 200), 1));
  for (int line = y + 3; line < y + 10; line += 2) p.drawLine(x + 2, line, x + 6, line);
}

void DrawCopy(QPainter& p) {
  DrawSheet(p, 1, 1);
  DrawSheet(p, 6, 5);
}

void DrawPaste(QPainter& p) {
  p.setPen(QPen(QColor(110, 70, 20), 1));
  p.setBrush(QColor(190, 140, 70));
  p.drawRect(1, 2, 10, 13);
  p.setBrush(QColor(170, 170, 170));
  p.drawRect(4, 1, 4, 3);
  DrawSheet(p, 6, 5);
}

void DrawExit(QPainter& p) {
  p.setPen(QPen(QColor(90, 60, 30), 1));
  p.setBrush(QColor(120, 80, 40));
  p.drawRect(2, 1, 8, 14);
  p.setBrush(QColor(210, 170, 110));
  QPolygonF door({QPointF(2, 1), QPointF(7, 3), QPointF(7, 15.5), QPointF(2, 15)});
  p.drawPolygon(door);
  p.setPen(QPen(QColor(0, 140, 0), 2));
  p.drawLine(QPointF(9, 8), QPointF(15, 8));
  p.drawLine(QPointF(12.5, 5), QPointF(15, 8));
  p.drawLine(QPointF(12.5, 11), QPointF(15, 8));
}

void DrawPlan(QPainter& p) {
  p.setPen(QPen(QColor(40, 60, 110), 1));
  p.setBrush(QColor(220, 235, 250));
  p.drawRect(1, 2, 14, 12);
  p.drawLine(8, 2, 8, 9);
  p.drawLine(1, 9, 12, 9);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(220, 30, 30));
  p.drawEllipse(QPointF(4.5, 5.5), 1.8, 1.8);
  p.setBrush(QColor(20, 160, 40));
  p.drawEllipse(QPointF(11.5, 5.5), 1.8, 1.8);
}

}  // namespace

QIcon GlyphIcon(Glyph glyph) {
  using Drawing = void (*)(QPainter&);
  // In the order of Glyph.
  static constexpr Drawing kDrawings[] = {DrawFolder,  DrawDiskette, DrawPrinter,
                                          DrawBellOff, DrawScissors, DrawCopy,
                                          DrawPaste,   DrawExit,     DrawPlan};
  static_assert(std::size(kDrawings) == static_cast<std::size_t>(Glyph::kChannelPlan) + 1);
  return shell::DrawnIcon(kDrawings[static_cast<std::size_t>(glyph)]);
}

}  // namespace stanmon
