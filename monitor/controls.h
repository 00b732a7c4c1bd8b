// The kinds of control the console window is made of, as plain data. The Qt
// window shows them; the handlers read and write them.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "common/clock.h"
#include "common/picture.h"
#include "common/timer_bank.h"

namespace monitor {

// A colour: 0x00BBGGRR for a plain colour, 0x80000000 + n for desktop system colour n.
using Color = std::uint32_t;
inline constexpr Color clRed = 0x000000FF;
inline constexpr Color clGreen = 0x00008000;
inline constexpr Color clYellow = 0x0000FFFF;
inline constexpr Color clAqua = 0x00FFFF00;
inline constexpr Color clNavy = 0x00800000;
inline constexpr Color clMaroon = 0x00000080;
inline constexpr Color clBtnFace = 0x8000000F;

// A grid of text cells, addressed as Cells(column, row) from 0.
struct TStringGrid {
  int ColCount = 0;
  int RowCount = 0;
  int FixedCols = 0;
  int FixedRows = 0;
  int DefaultRowHeight = 24;
  bool Editable = false;
  std::vector<int> ColWidths;
  std::vector<std::string> cells;  // row-major, ColCount * RowCount

  TStringGrid() = default;
  TStringGrid(int cols, int rows, int fixed_cols, int fixed_rows, std::vector<int> widths);

  std::string& Cells(int col, int row) { return cells[static_cast<size_t>(row * ColCount + col)]; }
  const std::string& Cells(int col, int row) const {
    return cells[static_cast<size_t>(row * ColCount + col)];
  }
};

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

// An image control: a built-in or loaded picture that can be shown, hidden and moved.
struct TImage {
  bool Visible = true;
  int Left = 0;
  int Top = 0;
  std::string Hint;
  std::shared_ptr<const common::PictureData> Picture;  // empty: the built-in picture
};

struct TMemo {
  std::vector<std::string> Lines;
};

struct TStatusPanel {
  std::string Text;
  int Width = 50;
};

struct TTabSheet {
  std::string Caption;
};

// A menu entry; Name is the handler's key (N6 -> N6Click).
struct TMenuItem {
  std::string Name;
  std::string Caption;
  bool Checked = false;
  std::vector<TMenuItem> Items;
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
