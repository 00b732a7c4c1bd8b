// Page 1, the settings: the signal and object tables, the SMS price, the siren
// switch and player, the support phones and the operator list.
#pragma once

#include <QWidget>

#include "common/qt/window_events.h"
#include "monitor/console_form.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;

namespace shell {
class GridView;
}  // namespace shell

namespace stanmon {

class SettingsPage : public QWidget {
  Q_OBJECT

 public:
  SettingsPage(monitor::ConsoleForm& form, const shell::WindowEvents& events, QWidget* parent);
  void Render();

 private:
  QGroupBox* AddBox(const char* name, int number, const QRect& place);
  QLineEdit* AddEdit(QWidget* parent, const char* name, monitor::TEdit& edit, const QRect& place);

  monitor::ConsoleForm& form_;
  shell::WindowEvents events_;
  QGroupBox* signals_box_ = nullptr;
  QGroupBox* price_box_ = nullptr;
  QGroupBox* siren_box_ = nullptr;
  QGroupBox* objects_box_ = nullptr;
  QGroupBox* phones_box_ = nullptr;
  shell::GridView* signal_table_ = nullptr;
  shell::GridView* object_table_ = nullptr;
  shell::GridView* operator_list_ = nullptr;
  QLineEdit* price_ = nullptr;
  QLineEdit* phone1_ = nullptr;
  QLineEdit* phone2_ = nullptr;
  QCheckBox* siren_ = nullptr;
};

}  // namespace stanmon
