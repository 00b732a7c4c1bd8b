#include "stanmon/qt/console_status_bar.h"

#include <QLabel>
#include <algorithm>

#include "common/qt/render_util.h"

namespace stanmon {

using shell::SetText;

ConsoleStatusBar::ConsoleStatusBar(const monitor::ConsoleForm& form, QWidget* parent)
    : QStatusBar(parent), form_(form) {
  setObjectName("StatusBar1");
  setSizeGripEnabled(false);
  for (size_t i = 0; i < panels_.size(); ++i) {
    auto* panel = new QLabel(this);
    panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setContentsMargins(2, 0, 2, 0);
    const bool last = i + 1 == panels_.size();
    addWidget(panel, last ? 1 : 0);
    panels_[i] = panel;
  }
  Render();
  // The panels are fixed at the height the bar gives them, the height of their
  // text. A panel whose size may change makes every new text lay out and repaint
  // the whole bar, which on a polling desk is twice a second; only the last
  // panel, which takes the width left, still does.
  int height = fontMetrics().height();
  for (QLabel* panel : panels_) height = std::max(height, panel->minimumSizeHint().height());
  for (QLabel* panel : panels_) panel->setFixedHeight(height);
}

void ConsoleStatusBar::Render() {
  for (size_t i = 0; i < panels_.size(); ++i) {
    QLabel* panel = panels_[i];
    const monitor::TStatusPanel& shown = form_.StatusBar1[i];
    SetText(panel, shown.Text);
    const bool last = i + 1 == panels_.size();
    if (last) {
      if (panel->minimumWidth() != shown.Width) panel->setMinimumWidth(shown.Width);
    } else if (panel->minimumWidth() != shown.Width || panel->maximumWidth() != shown.Width) {
      panel->setFixedWidth(shown.Width);
    }
  }
}

}  // namespace stanmon
