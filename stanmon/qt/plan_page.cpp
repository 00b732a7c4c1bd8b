#include "stanmon/qt/plan_page.h"

#include <QGroupBox>

#include "common/qt/grid_view.h"
#include "common/qt/picture_box.h"
#include "stanmon/qt/pictures.h"

namespace stanmon {

using shell::GridView;
using shell::PictureBox;
using shell::RenderImageControl;

namespace {

constexpr QRect kSignalList(0, 0, 241, 361);
constexpr QRect kArea(248, 0, 529, 417);
constexpr int kMarkerSide = 17;
constexpr int kLastAlarmMarker = 13;  // Image2..Image13 mark alarm zones, the rest service zones

}  // namespace

PlanPage::PlanPage(monitor::ConsoleForm& form, const WindowEvents& events, QWidget* parent)
    : QWidget(parent), form_(form) {
  signal_list_ = new GridView(form_.StringGrid2, events.changed, this);
  signal_list_->setObjectName("StringGrid2");
  signal_list_->setGeometry(kSignalList);

  area_ = new QGroupBox(this);
  area_->setObjectName("GroupBox21");
  area_->setGeometry(kArea);

  for (int n = 2; n <= 17; ++n)
    built_in_[static_cast<size_t>(n)] = MarkerPicture(n <= kLastAlarmMarker);
  for (int n = 1; n <= 17; ++n) {
    auto* image = new PictureBox(area_);
    image->setObjectName(QStringLiteral("Image%1").arg(n));
    images_[static_cast<size_t>(n)] = image;
  }
  Render();
}

void PlanPage::Render() {
  signal_list_->Render();
  for (int n = 1; n <= 17; ++n) {
    const monitor::TImage& shown = form_.Image[static_cast<size_t>(n)];
    PictureBox* image = images_[static_cast<size_t>(n)];
    RenderImageControl(image, shown, BuiltIn(n));
    // The background reaches to the area's edges; a marker is one marker square.
    const QSize size =
        n == 1 ? kArea.size() - QSize(shown.Left, shown.Top) : QSize(kMarkerSide, kMarkerSide);
    const QRect place(QPoint(shown.Left, shown.Top), size);
    if (image->geometry() != place) image->setGeometry(place);
  }
}

// The built-in background, three quarters of a megabyte, is drawn when the page
// is first seen without a picture of its own: a desk that has its plan picture,
// or never opens a plan, never holds it.
const QImage& PlanPage::BuiltIn(int n) {
  QImage& built_in = built_in_[static_cast<size_t>(n)];
  if (n == 1 && built_in.isNull() && isVisible()) built_in = PlanBackgroundPicture();
  return built_in;
}

void PlanPage::showEvent(QShowEvent* event) {
  Render();
  QWidget::showEvent(event);
}

}  // namespace stanmon
