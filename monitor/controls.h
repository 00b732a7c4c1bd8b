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

  friend bool operator==(const TEdit&, const TEdit&) = default;
};

struct TButton {
  std::string Caption;
  std::string Hint;

  friend bool operator==(const TButton&, const TButton&) = default;
};

struct TCheckBox {
  std::string Caption;
  bool Checked = false;
  Color Background = clBtnFace;

  friend bool operator==(const TCheckBox&, const TCheckBox&) = default;
};

struct TComboBox {
  std::string Text;
  std::vector<std::string> Items;
  std::string Hint;
  bool Bold = false;

  friend bool operator==(const TComboBox&, const TComboBox&) = default;
};

struct TGroupBox {
  std::string Caption;
  Color Background = clBtnFace;

  friend bool operator==(const TGroupBox&, const TGroupBox&) = default;
};

// An ellipse shape with a settable fill.
struct TShape {
  Color Brush = clBtnFace;

  friend bool operator==(const TShape&, const TShape&) = default;
};

struct TMemo {
  std::vector<std::string> Lines;

  friend bool operator==(const TMemo&, const TMemo&) = default;
};

struct TTabSheet {
  std::string Caption;

  friend bool operator==(const TTabSheet&, const TTabSheet&) = default;
};

struct TMediaPlayer {
  std::string FileName;
  bool Open = false;  // the device has been opened

  friend bool operator==(const TMediaPlayer&, const TMediaPlayer&) = default;
};

struct TDateTimePicker {
  common::DateTime DateTime;
  std::string Hint;

  friend bool operator==(const TDateTimePicker&, const TDateTimePicker&) = default;
};

struct TUpDown {
  int Min = 0;
  int Position = 0;

  friend bool operator==(const TUpDown&, const TUpDown&) = default;
};

struct TGauge {
  int Progress = 0;
  Color ForeColor = clRed;

  friend bool operator==(const TGauge&, const TGauge&) = default;
};

}  // namespace monitor
