// Page 0, the mnemonic screen: the control strip and the 16 channel panels with
// their indicators, plan buttons and output boxes.
#pragma once

#include <QWidget>
#include <array>

#include "common/qt/window_events.h"
#include "monitor/console_form.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;
class QStyle;

namespace stanmon {

class ShapeWidget;

class MnemonicPage : public QWidget {
  Q_OBJECT

 public:
  MnemonicPage(monitor::ConsoleForm& form, const shell::WindowEvents& events, QWidget* parent);
  void Render();

 private:
  void AddControlStrip();
  void AddChannel(int channel);
  QCheckBox* AddOutputBox(QGroupBox* panel, int number, int top);

  monitor::ConsoleForm& form_;
  shell::WindowEvents events_;
  std::array<QPushButton*, 23> buttons_{};  // by BitBtn number: 1..16, 20..22
  QComboBox* operator_ = nullptr;
  monitor::PerChannel<QGroupBox*> channels_;
  monitor::PerSignalRow<ShapeWidget*> shapes_;
  std::array<QCheckBox*, 50> outputs_{};  // by CheckBox number: 18..49
  QStyle* output_box_style_ = nullptr;    // owned by this
};

}  // namespace stanmon
