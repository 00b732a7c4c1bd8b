// An image control: its picture drawn unscaled from the top-left, cut at the
// control's edges.
#pragma once

#include <QImage>
#include <QWidget>

#include "common/controls.h"

namespace shell {

class PictureBox : public QWidget {
  Q_OBJECT

 public:
  explicit PictureBox(QWidget* parent);

  void SetImage(const QImage& image);
  const QImage& image() const { return image_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage image_;
};

// An image control as the form has it: shown or hidden, its hint, and its loaded
// picture or else the built-in one. Where it sits is up to the caller.
void RenderImageControl(PictureBox* box, const common::TImage& image, const QImage& built_in);

}  // namespace shell
