// Page 2, the object plan: the plan channel's signal list, and the plan area with
// its background picture and the zone markers.
#pragma once

#include <QImage>
#include <QWidget>
#include <array>

#include "monitor/console_form.h"
#include "stanmon/qt/window_events.h"

class QGroupBox;

namespace shell {
class GridView;
class PictureBox;
}  // namespace shell

namespace stanmon {

class PlanPage : public QWidget {
  Q_OBJECT

 public:
  PlanPage(monitor::ConsoleForm& form, const WindowEvents& events, QWidget* parent);
  void Render();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // The built-in picture of image n; the background only once the page is seen.
  const QImage& BuiltIn(int n);

  monitor::ConsoleForm& form_;
  shell::GridView* signal_list_ = nullptr;
  QGroupBox* area_ = nullptr;
  std::array<shell::PictureBox*, 18> images_{};  // 1 the background, 2..17 the markers
  std::array<QImage, 18> built_in_;
};

}  // namespace stanmon
