#include "common/qt/picture_box.h"

#include <QPainter>

#include "common/qt/qt_picture.h"
#include "common/qt/render_util.h"

namespace shell {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TranslucentBackground);
}

void PictureBox::SetImage(const QImage& image) {
  if (image.cacheKey() == image_.cacheKey()) return;
  image_ = image;
  update();
}

void PictureBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(QPoint(0, 0), image_);
}

void RenderImageControl(PictureBox* box, const common::TImage& image, const QImage& built_in) {
  SetVisible(box, image.Visible);
  SetToolTip(box, image.Hint);
  const QImage* loaded = ImageOf(image.Picture.get());
  box->SetImage(loaded != nullptr ? *loaded : built_in);
}

}  // namespace shell
