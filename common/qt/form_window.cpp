#include "common/qt/form_window.h"

#include <QCoreApplication>
#include <utility>

#include "common/qt/menu_bar.h"
#include "common/qt/render_util.h"
#include "common/qt/unrouted_control.h"

namespace shell {

FormWindow::FormWindow(common::Dispatcher& dispatcher, std::function<bool()> exit_confirmed,
                       QWidget* parent)
    : QMainWindow(parent),
      dispatcher_(dispatcher),
      exit_confirmed_(std::move(exit_confirmed)),
      timers_(new TimerDriver(
          dispatcher.timers(), [this] { Render(); }, this)) {}

// A name that reaches no handler is warned of, unless the window has none for
// it on purpose: a misspelt name must not go quiet.
WindowEvents FormWindow::Events(std::function<bool(std::string_view control)> without_handler) {
  const auto unrouted = [without_handler](const std::string& control) {
    if (!without_handler || !without_handler(control)) WarnOfUnroutedControl(control);
  };
  return WindowEvents{[this, unrouted](const std::string& control) {
                        if (!dispatcher_.Click(control)) unrouted(control);
                        AfterEvent();
                      },
                      [this, unrouted](const std::string& spinner, common::SpinButton button) {
                        if (!dispatcher_.Spin(spinner, button)) unrouted(spinner);
                        AfterEvent();
                      },
                      [this] { OnOperatorEvent(); }};
}

void FormWindow::AddMenuBar(const std::vector<common::TMenuItem>& entries,
                            std::function<void(const std::string& entry)> click,
                            std::function<QIcon(int image_index)> icon) {
  menu_ = new FormMenuBar(entries, std::move(click), this, std::move(icon));
  setMenuBar(menu_);
}

void FormWindow::AddStatusBar(std::span<const common::TStatusPanel> panels, LastPanel last) {
  status_bar_ = new FormStatusBar(panels, last, this);
  setStatusBar(status_bar_);
}

void FormWindow::RenderFrame(const std::string& caption) {
  RenderCaption(caption);
  RenderMenuBar();
  RenderStatusBar();
}

void FormWindow::RenderCaption(const std::string& caption) {
  const QString shown = ToQ(caption);
  if (windowTitle() != shown) setWindowTitle(shown);
}

void FormWindow::RenderMenuBar() {
  if (menu_) menu_->Render();
}

void FormWindow::RenderStatusBar() {
  if (status_bar_) status_bar_->Render();
}

void FormWindow::OnOperatorEvent() {
  timers_->Refresh();
}

void FormWindow::EndProgram() {
  QCoreApplication::exit(0);
}

void FormWindow::AfterEvent() {
  if (exit_confirmed_()) {
    EndProgram();
    return;
  }
  OnOperatorEvent();
}

}  // namespace shell
