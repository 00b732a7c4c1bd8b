#include "stanmon/qt/pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "common/qt/floor_plan.h"

namespace stanmon {
namespace {

QImage Blank(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

void DrawBall(QPainter& p, const QRectF& r, const QColor& color) {
  QRadialGradient shine(r.left() + r.width() * 0.35, r.top() + r.height() * 0.3, r.width() * 0.7);
  shine.setColorAt(0, color.lighter(190));
  shine.setColorAt(0.5, color);
  shine.setColorAt(1, color.darker(160));
  p.setPen(QPen(color.darker(250), 1));
  p.setBrush(shine);
  p.drawEllipse(r);
}

}  // namespace

QImage LampPicture(const QColor& color) {
  QImage image = Blank(kLampSide, kLampSide);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  DrawBall(p, QRectF(1.5, 1.5, 13, 13), color);
  return image;
}

QImage MarkerPicture(bool alarm) {
  const QColor color = alarm ? QColor(220, 20, 20) : QColor(20, 170, 40);
  QImage image = Blank(kLampSide, kLampSide);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(color, 2));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
  DrawBall(p, QRectF(4.5, 4.5, 7, 7), color);
  return image;
}

QImage PlanBackgroundPicture() {
  constexpr int kWidth = 529;
  constexpr int kHeight = 361;
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  image.fill(QColor(246, 243, 234));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);

  // A faint drawing-paper grid.
  p.setPen(QPen(QColor(228, 224, 212), 1));
  for (int x = 0; x < kWidth; x += 20) p.drawLine(x, 0, x, kHeight);
  for (int y = 0; y < kHeight; y += 20) p.drawLine(0, y, kWidth, y);

  const shell::Room rooms[] = {
      {{20, 20, 170, 130}, QColor(222, 235, 247), "Котельная"},
      {{190, 20, 150, 130}, QColor(226, 240, 222), "Насосная"},
      {{340, 20, 169, 130}, QColor(250, 235, 215), "Щитовая"},
      {{20, 190, 130, 151}, QColor(240, 228, 240), "Склад"},
      {{150, 190, 190, 151}, QColor(252, 246, 214), "Тепловой пункт"},
      {{340, 190, 169, 151}, QColor(224, 238, 238), "Операторская"},
      {{20, 150, 489, 40}, QColor(236, 232, 224), "Коридор"},
  };
  shell::PaintRooms(p, rooms,
                    {QColor(120, 120, 130), QMargins(6, 4, 6, 4), Qt::AlignLeft | Qt::AlignBottom});

  // Walls, with door gaps painted over in the floor colours.
  p.setPen(QPen(QColor(90, 95, 110), 4, Qt::SolidLine, Qt::SquareCap));
  p.setBrush(Qt::NoBrush);
  p.drawRect(20, 20, 489, 321);
  p.setPen(QPen(QColor(90, 95, 110), 3, Qt::SolidLine, Qt::SquareCap));
  p.drawLine(20, 150, 509, 150);
  p.drawLine(20, 190, 509, 190);
  p.drawLine(190, 20, 190, 150);
  p.drawLine(340, 20, 340, 150);
  p.drawLine(150, 190, 150, 341);
  p.drawLine(340, 190, 340, 341);
  const QColor hall(236, 232, 224);
  for (int x : {90, 250, 420}) p.fillRect(x, 147, 28, 7, hall);
  for (int x : {70, 230, 400}) p.fillRect(x, 186, 28, 7, hall);
  p.fillRect(16, 158, 8, 24, hall);  // the entrance

  // Pipes and equipment in soft outline.
  p.setPen(QPen(QColor(140, 170, 210), 2));
  p.drawEllipse(QRect(50, 45, 50, 50));
  p.drawEllipse(QRect(115, 45, 50, 50));
  p.drawLine(75, 95, 75, 120);
  p.drawLine(140, 95, 140, 120);
  p.drawLine(75, 120, 330, 120);
  p.setPen(QPen(QColor(150, 190, 150), 2));
  p.drawRect(215, 50, 40, 30);
  p.drawRect(275, 50, 40, 30);
  p.setPen(QPen(QColor(210, 170, 120), 2));
  for (int x = 360; x < 500; x += 35) p.drawRect(x, 40, 25, 60);
  return image;
}

QImage LogoPicture() {
  QImage image = Blank(96, 96);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, 96);
  sky.setColorAt(0, QColor(40, 90, 170));
  sky.setColorAt(1, QColor(20, 45, 100));
  p.setPen(QPen(QColor(15, 30, 70), 2));
  p.setBrush(sky);
  p.drawRoundedRect(QRectF(2, 2, 92, 92), 14, 14);

  // The screen with its 16 channels.
  p.setPen(QPen(QColor(200, 210, 230), 2));
  p.setBrush(QColor(235, 240, 248));
  p.drawRoundedRect(QRectF(14, 34, 68, 48), 4, 4);
  const QColor lamps[] = {QColor(30, 170, 50), QColor(30, 170, 50), QColor(230, 190, 20),
                          QColor(220, 30, 30)};
  p.setPen(QPen(QColor(60, 60, 60), 1));
  for (int row = 0; row < 4; ++row) {
    for (int col = 0; col < 4; ++col) {
      p.setBrush(lamps[(row * 5 + col * 3) % 4]);
      p.drawEllipse(QRectF(21 + col * 15, 39 + row * 10.5, 8, 8));
    }
  }

  // Radio waves from the antenna.
  p.setPen(QPen(QColor(250, 250, 250), 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(48, 34, 48, 20);
  p.setBrush(Qt::NoBrush);
  for (int r : {8, 14}) p.drawArc(QRectF(48 - r, 20 - r, 2 * r, 2 * r), 30 * 16, 120 * 16);
  return image;
}

}  // namespace stanmon
