// The kinds of control the console window is made of, as plain data: those
// of both programs from common/controls.h, and the console's own. The Qt window
// shows them; the handlers read and write them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/clock.h"
#include "common/controls.h"
#include "common/timer_bank.h"

namespace monitor {

using common::clAqua;
using common::clBtnFace;
using common::clMaroon;
using common::clNavy;
using common::Color;
inline constexpr Color clRed = 0x000000FF;
inline constexpr Color clGreen = 0x00008000;
inline constexpr Color clYellow = 0x0000FFFF;

using common::TImage;
using common::TMenuItem;
using common::TStatusPanel;
using common::TStringGrid;

struct TEdit {
  std::string Text;
  std::string Hint;
  bool Bold = false;
};

struct TButton {
  std::string Caption;
  std::string Hint;
};

struct TCheckBox {
  std::string Caption;
  bool Checked = false;
  Color Background = clBtnFace;
};

struct TComboBox {
  std::string Text;
  std::vector<std::string> Items;
  std::string Hint;
  bool Bold = false;
};

struct TGroupBox {
  std::string Caption;
  Color Background = clBtnFace;
};

// An ellipse shape with a settable fill.
struct TShape {
  Color Brush = clBtnFace;
};

struct TMemo {
  std::vector<std::string> Lines;
};

struct TTabSheet {
  std::string Caption;
};

struct TMediaPlayer {
  std::string FileName;
  bool Open = false;  // the device has been opened
};

struct TDateTimePicker {
  common::DateTime DateTime;
  std::string Hint;
};

struct TUpDown {
  int Min = 0;
  int Position = 0;
};

struct TGauge {
  int Progress = 0;
  Color ForeColor = clRed;
};

}  // namespace monitor
