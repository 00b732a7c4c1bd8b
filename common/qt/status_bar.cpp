#include "common/qt/status_bar.h"

#include <QLabel>
#include <algorithm>

#include "common/qt/render_util.h"

namespace shell {

FormStatusBar::FormStatusBar(std::span<const common::TStatusPanel> panels, LastPanel last,
                             QWidget* parent)
    : QStatusBar(parent), panels_(panels), last_(last) {
  setObjectName("StatusBar1");
  setSizeGripEnabled(false);
  for (std::size_t i = 0; i < panels_.size(); ++i) {
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setContentsMargins(2, 0, 2, 0);
    const bool stretches = last_ == LastPanel::kStretches && i + 1 == panels_.size();
    addWidget(label, stretches ? 1 : 0);
    labels_.push_back(label);
  }
  Render();
  // The panels are fixed at the height the bar gives them, the height of their
  // text. A panel whose size may change makes every new text lay out and repaint
  // the whole bar, which on a polling desk is twice a second; only a last panel
  // that takes the width left still does.
  int height = fontMetrics().height();
  for (QLabel* label : labels_) height = std::max(height, label->minimumSizeHint().height());
  for (QLabel* label : labels_) label->setFixedHeight(height);
}

void FormStatusBar::Render() {
  for (std::size_t i = 0; i < panels_.size(); ++i) {
    QLabel* label = labels_[i];
    const common::TStatusPanel& shown = panels_[i];
    SetText(label, shown.Text);
    const bool stretches = last_ == LastPanel::kStretches && i + 1 == panels_.size();
    if (stretches) {
      if (label->minimumWidth() != shown.Width) label->setMinimumWidth(shown.Width);
    } else if (label->minimumWidth() != shown.Width || label->maximumWidth() != shown.Width) {
      label->setFixedWidth(shown.Width);
    }
  }
}

}  // namespace shell
