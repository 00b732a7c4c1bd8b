// A round progress gauge, 0..100: the done part as a pie slice from twelve o'clock.
#pragma once

#include <QColor>
#include <QWidget>

namespace stanmon {

class PieGauge : public QWidget {
  Q_OBJECT

 public:
  explicit PieGauge(QWidget* parent);

  void SetProgress(int progress);  // clamped to 0..100
  void SetColor(const QColor& color);
  int progress() const { return progress_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int progress_ = 0;
  QColor color_ = Qt::red;
};

}  // namespace stanmon
