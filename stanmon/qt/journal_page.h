// Page 4, the journal: the last events, read-only, with columns the operator may
// widen or narrow.
#pragma once

#include <QWidget>

#include "common/qt/window_events.h"
#include "monitor/console_form.h"

namespace shell {
class GridView;
}  // namespace shell

namespace stanmon {

class JournalPage : public QWidget {
  Q_OBJECT

 public:
  JournalPage(monitor::ConsoleForm& form, const shell::WindowEvents& events, QWidget* parent);
  void Render();

 private:
  shell::GridView* journal_ = nullptr;
};

}  // namespace stanmon
