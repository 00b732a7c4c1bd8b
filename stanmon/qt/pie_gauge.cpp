#include "stanmon/qt/pie_gauge.h"

#include <QPainter>
#include <algorithm>

namespace stanmon {

PieGauge::PieGauge(QWidget* parent) : QWidget(parent) {}

void PieGauge::SetProgress(int progress) {
  progress = std::clamp(progress, 0, 100);
  if (progress == progress_) return;
  progress_ = progress;
  update();
}

void PieGauge::SetColor(const QColor& color) {
  if (color == color_) return;
  color_ = color;
  update();
}

void PieGauge::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const int side = std::min(width(), height()) - 1;
  const QRectF circle((width() - side) / 2.0, (height() - side) / 2.0, side, side);
  painter.setPen(QPen(palette().color(QPalette::Dark), 1));
  painter.setBrush(Qt::white);
  painter.drawEllipse(circle);
  if (progress_ > 0) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(color_);
    // Qt counts 1/16 degrees anticlockwise from three o'clock.
    painter.drawPie(circle.adjusted(1, 1, -1, -1), 90 * 16, -progress_ * 360 * 16 / 100);
  }
  QFont font = painter.font();
  font.setPixelSize(std::max(7, side / 3));
  painter.setFont(font);
  painter.setPen(Qt::black);
  painter.drawText(rect(), Qt::AlignCenter, QString::number(progress_));
}

}  // namespace stanmon
