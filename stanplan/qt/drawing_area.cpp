#include "stanplan/qt/drawing_area.h"

#include <algorithm>

#include "common/qt/picture_box.h"
#include "stanplan/qt/pictures.h"

namespace stanplan {

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
  built_in_[designer::kBackgroundImage] = BuiltInBackground();
  for (int k = 1; k <= designer::kMarkers; ++k) {
    built_in_[static_cast<std::size_t>(designer::MarkerIndex(k))] = MarkerMark(k);
  }
  for (std::size_t n = designer::kBackgroundImage; n < images_.size(); ++n) {
    auto* image = new shell::PictureBox(this);
    image->setObjectName(QStringLiteral("Image%1").arg(n));
    images_[n] = image;
  }
  images_[designer::kBackgroundImage]->setGeometry(kBackground);
  Render();
}

void DrawingArea::Render() {
  for (std::size_t at = designer::kBackgroundImage; at < images_.size(); ++at) {
    shell::RenderImageControl(images_[at], form_.Image[at], built_in_[at]);
    if (at == designer::kBackgroundImage) continue;
    const QRect place(OnScreen(form_.Image[at].Left), OnScreen(form_.Image[at].Top), kMarkerSide,
                      kMarkerSide);
    if (images_[at]->geometry() != place) images_[at]->setGeometry(place);
  }
}

}  // namespace stanplan
