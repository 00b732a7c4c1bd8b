// The kinds of control the designer window is made of, as plain data. The Qt
// window shows them; the handlers read and write them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "common/picture.h"

namespace designer {

// A colour as 0x00BBGGRR.
using Color = std::uint32_t;
inline constexpr Color clBlack = 0x00000000;
inline constexpr Color clNavy = 0x00800000;
inline constexpr Color clMaroon = 0x00000080;
inline constexpr Color clAqua = 0x00FFFF00;

// A grid of text cells, addressed as Cells(column, row) from 0.
struct TStringGrid {
  int ColCount = 0;
  int RowCount = 0;
  int FixedRows = 0;  // heading rows, drawn in FixedColor and never edited
  int DefaultRowHeight = 24;
  std::vector<int> ColWidths;
  Color FixedColor = clAqua;
  bool Editable = false;           // every cell below the fixed rows
  std::vector<std::string> cells;  // row-major, ColCount * RowCount

  std::string& Cells(int col, int row) { return cells[Index(col, row)]; }
  const std::string& Cells(int col, int row) const { return cells[Index(col, row)]; }

 private:
  std::size_t Index(int col, int row) const {
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(ColCount) +
           static_cast<std::size_t>(col);
  }
};

struct TEdit {
  std::string Text;
  Color FontColor = clBlack;
};

// A spinner bound to an edit field: it steps the number shown there within Min..Max.
struct TUpDown {
  int Min = 0;
  int Max = 100;
  int Position = 0;
};

struct TLabel {
  std::string Caption;
  Color FontColor = clBlack;
};

struct TButton {
  std::string Caption;
  int ImageIndex = -1;  // glyph from the image list; -1: none
};

// An image control: a built-in or loaded picture that can be shown, hidden and moved.
struct TImage {
  bool Visible = true;
  int Left = 0;
  int Top = 0;
  std::string Hint;
  std::shared_ptr<const common::PictureData> Picture;  // empty: the built-in picture
};

struct TStatusPanel {
  std::string Text;
  int Width = 50;
};

// A menu entry; Name is the handler's key (N6 -> N6Click).
struct TMenuItem {
  std::string Name;
  std::string Caption;
  int ImageIndex = -1;
  std::vector<TMenuItem> Items;
};

// A tool bar entry: a button with an image, or a separator of a given width.
struct TToolButton {
  std::string Name;
  int ImageIndex = -1;
  bool Separator = false;
  int Width = 23;
};

// An open or save dialog: what it shows and the file last chosen in it.
struct TFileDialog {
  std::string Title;
  std::string Filter;  // "label|pattern|label|pattern"
  std::string InitialDir;
  std::string FileName;
};

}  // namespace designer
