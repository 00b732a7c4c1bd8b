// An ellipse indicator: a solid fill inside a 1-pixel black outline.
#pragma once

#include <QColor>
#include <QWidget>

namespace stanmon {

class ShapeWidget : public QWidget {
  Q_OBJECT

 public:
  explicit ShapeWidget(QWidget* parent);

  void SetFill(const QColor& fill);
  QColor fill() const { return fill_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor fill_;
};

}  // namespace stanmon
