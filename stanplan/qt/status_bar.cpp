#include "stanplan/qt/status_bar.h"

#include <QLabel>

#include "common/qt/render_util.h"

namespace stanplan {

using shell::SetText;

namespace {
constexpr int kHeight = 19;
}  // namespace

DesignerStatusBar::DesignerStatusBar(const designer::DesignerForm& form, QWidget* parent)
    : QStatusBar(parent), form_(form) {
  setObjectName("StatusBar1");
  setSizeGripEnabled(false);
  setFixedHeight(kHeight);
  for (std::size_t i = 0; i < panels_.size(); ++i) {
    auto* panel = new QLabel(this);
    panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setContentsMargins(2, 0, 2, 0);
    addWidget(panel);
    panels_[i] = panel;
  }
  Render();
}

void DesignerStatusBar::Render() {
  for (std::size_t i = 0; i < panels_.size(); ++i) {
    const designer::TStatusPanel& shown = form_.StatusBar1[i];
    SetText(panels_[i], shown.Text);
    if (panels_[i]->minimumWidth() != shown.Width || panels_[i]->maximumWidth() != shown.Width) {
      panels_[i]->setFixedWidth(shown.Width);
    }
  }
}

}  // namespace stanplan
