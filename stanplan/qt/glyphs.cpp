#include "stanplan/qt/glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "common/qt/drawn_icon.h"
#include "designer/designer_form.h"

namespace stanplan {
namespace {

const QColor kInk(40, 48, 64);

void Sheet(QPainter& p, const QRectF& r) {
  QPainterPath path;
  path.moveTo(r.topLeft());
  path.lineTo(r.right() - 4, r.top());
  path.lineTo(r.right(), r.top() + 4);
  path.lineTo(r.bottomRight());
  path.lineTo(r.bottomLeft());
  path.closeSubpath();
  p.setPen(QPen(kInk, 1));
  p.setBrush(Qt::white);
  p.drawPath(path);
}

void Folder(QPainter& p) {
  p.setPen(QPen(QColor(150, 110, 20), 1));
  p.setBrush(QColor(240, 200, 80));
  p.drawRect(QRectF(1.5, 4.5, 12, 9));
  p.drawRect(QRectF(1.5, 3.5, 5, 2));
}

void Arrow(QPainter& p, const QPointF& from, const QPointF& to, const QColor& color) {
  p.setPen(QPen(color, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawLine(from, to);
  const QPointF d = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
  const QPointF n(-d.y(), d.x());
  p.drawLine(to, to - 3.5 * d + 3 * n);
  p.drawLine(to, to - 3.5 * d - 3 * n);
}

void DrawCreate(QPainter& p) {
  Sheet(p, QRectF(3.5, 1.5, 10, 13));
  p.setPen(QPen(QColor(220, 160, 0), 1.6));
  p.drawLine(QPointF(8.5, 5), QPointF(8.5, 12));
  p.drawLine(QPointF(5, 8.5), QPointF(12, 8.5));
}

void DrawRead(QPainter& p) {
  Folder(p);
  Arrow(p, QPointF(11, 1.5), QPointF(11, 9.5), QColor(30, 110, 200));
}

void DrawWrite(QPainter& p) {
  p.setPen(QPen(kInk, 1));
  p.setBrush(QColor(50, 80, 150));
  p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1.5, 1.5);
  p.setBrush(Qt::white);
  p.drawRect(QRectF(4.5, 1.5, 7, 5));
  p.setBrush(QColor(200, 205, 215));
  p.drawRect(QRectF(3.5, 9.5, 9, 5));
}

void DrawCut(QPainter& p) {
  p.setPen(QPen(kInk, 1.3));
  p.drawLine(QPointF(5, 1.5), QPointF(10.5, 10));
  p.drawLine(QPointF(11, 1.5), QPointF(5.5, 10));
  p.setPen(QPen(QColor(200, 30, 30), 1.5));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QRectF(2, 10, 4, 4));
  p.drawEllipse(QRectF(10, 10, 4, 4));
}

void DrawCopy(QPainter& p) {
  Sheet(p, QRectF(1.5, 1.5, 8, 10));
  Sheet(p, QRectF(6.5, 4.5, 8, 10));
}

void DrawPaste(QPainter& p) {
  p.setPen(QPen(QColor(110, 70, 20), 1));
  p.setBrush(QColor(190, 140, 70));
  p.drawRoundedRect(QRectF(1.5, 2.5, 10, 12), 1, 1);
  p.setBrush(QColor(170, 170, 180));
  p.drawRect(QRectF(4.5, 1.5, 4, 2));
  Sheet(p, QRectF(7.5, 6.5, 7, 8));
}

void DrawOk(QPainter& p) {
  p.setPen(QPen(QColor(20, 150, 40), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPolyline(QPolygonF({QPointF(2.5, 8.5), QPointF(6.5, 12.5), QPointF(13.5, 3.5)}));
}

void DrawStart(QPainter& p) {
  p.setPen(QPen(QColor(10, 110, 30), 1));
  p.setBrush(QColor(40, 180, 60));
  p.drawPolygon(QPolygonF({QPointF(4, 2), QPointF(13.5, 8), QPointF(4, 14)}));
}

void DrawStop(QPainter& p) {
  p.setPen(QPen(QColor(130, 10, 10), 1));
  p.setBrush(QColor(220, 40, 40));
  p.drawRoundedRect(QRectF(3.5, 3.5, 9, 9), 1.5, 1.5);
}

void DrawExit(QPainter& p) {
  p.setPen(QPen(kInk, 1));
  p.setBrush(QColor(150, 95, 45));
  p.drawRect(QRectF(1.5, 1.5, 8, 13));
  p.setBrush(QColor(240, 210, 60));
  p.drawEllipse(QRectF(6.5, 7.5, 1.5, 1.5));
  Arrow(p, QPointF(7.5, 8), QPointF(14.5, 8), QColor(200, 30, 30));
}

void DrawOpenPicture(QPainter& p) {
  p.setPen(QPen(kInk, 1));
  p.setBrush(QColor(170, 215, 245));
  p.drawRect(QRectF(1.5, 2.5, 13, 11));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(60, 150, 60));
  p.drawPolygon(QPolygonF(
      {QPointF(2, 13), QPointF(6.5, 7), QPointF(9, 10), QPointF(11, 8.5), QPointF(14, 13)}));
  p.setBrush(QColor(250, 200, 40));
  p.drawEllipse(QRectF(10, 4, 3, 3));
}

}  // namespace

QIcon ImageListIcon(int index) {
  struct Entry {
    int index;
    void (*draw)(QPainter&);
  };
  static constexpr Entry kImageList[] = {
      {designer::kImageCreate, DrawCreate},
      {designer::kImageRead, DrawRead},
      {designer::kImageWrite, DrawWrite},
      {designer::kImageCut, DrawCut},
      {designer::kImageCopy, DrawCopy},
      {designer::kImagePaste, DrawPaste},
      {designer::kImageOk, DrawOk},
      {designer::kImageStart, DrawStart},
      {designer::kImageExit, DrawExit},
      {designer::kImageStop, DrawStop},
      {designer::kImageOpenPicture, DrawOpenPicture},
  };
  for (const Entry& entry : kImageList) {
    if (entry.index == index) return shell::DrawnIcon(entry.draw);
  }
  return {};
}

}  // namespace stanplan
