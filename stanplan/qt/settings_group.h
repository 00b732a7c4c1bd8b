// The group box GroupBox1 "Установки": the current marker's number and
// coordinates with their spinners, the coordinate grid and "Применить".
#pragma once

#include <QGroupBox>
#include <array>

#include "common/qt/window_events.h"
#include "designer/designer_form.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace shell {
class GridView;
}  // namespace shell

namespace stanplan {

class SettingsGroup : public QGroupBox {
  Q_OBJECT

 public:
  SettingsGroup(designer::DesignerForm& form, const shell::WindowEvents& events, QWidget* parent);
  void Render();

 private:
  struct Field {
    designer::TEdit* edit;
    QLineEdit* line = nullptr;
  };
  struct Caption {
    const designer::TLabel* label;
    QLabel* widget = nullptr;
  };

  void AddField(int number, designer::TEdit& edit, const QRect& place);

  designer::DesignerForm& form_;
  shell::WindowEvents events_;
  std::array<Caption, 3> labels_{};
  std::array<Field, 3> fields_{};
  shell::GridView* grid_ = nullptr;
  QPushButton* apply_ = nullptr;
};

}  // namespace stanplan
