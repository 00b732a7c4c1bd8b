#include "stanmon/qt/shape_widget.h"

#include <QPainter>

namespace stanmon {

ShapeWidget::ShapeWidget(QWidget* parent)
    : QWidget(parent), fill_(palette().color(QPalette::Button)) {
  setAttribute(Qt::WA_TranslucentBackground);
}

void ShapeWidget::SetFill(const QColor& fill) {
  if (fill == fill_) return;
  fill_ = fill;
  update();
}

void ShapeWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(fill_);
  painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

}  // namespace stanmon
