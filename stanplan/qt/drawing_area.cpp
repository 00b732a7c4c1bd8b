#include "stanplan/qt/drawing_area.h"

#include <algorithm>

#include "common/qt/picture_box.h"
#include "stanplan/qt/pictures.h"

namespace stanplan {

using shell::PictureBox;
using shell::RenderImageControl;

namespace {

constexpr QRect kBackground(0, 0, 561, 361);
constexpr int kMarkerSide = 17;
// A marker far outside the area is drawn just as far outside, within what a
// widget's geometry can hold.
constexpr int kFarOutside = 100000;

int OnScreen(int coordinate) {
  return std::clamp(coordinate, -kFarOutside, kFarOutside);
}

}  // namespace

DrawingArea::DrawingArea(const designer::DesignerForm& form, QWidget* parent)
    : QFrame(parent), form_(form) {
  setObjectName("Panel1");
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  built_in_[1] = BuiltInBackground();
  for (int n = 2; n <= 17; ++n) built_in_[static_cast<std::size_t>(n)] = MarkerMark(n - 1);
  for (int n = 1; n <= 17; ++n) {
    auto* image = new PictureBox(this);
    image->setObjectName(QStringLiteral("Image%1").arg(n));
    images_[static_cast<std::size_t>(n)] = image;
  }
  images_[1]->setGeometry(kBackground);
  Render();
}

void DrawingArea::Render() {
  for (int n = 1; n <= 17; ++n) {
    const auto at = static_cast<std::size_t>(n);
    RenderImageControl(images_[at], form_.Image[at], built_in_[at]);
    if (n == 1) continue;
    const QRect place(OnScreen(form_.Image[at].Left), OnScreen(form_.Image[at].Top), kMarkerSide,
                      kMarkerSide);
    if (images_[at]->geometry() != place) images_[at]->setGeometry(place);
  }
}

}  // namespace stanplan
