// The kinds of control that both programs' windows are made of, as plain data.
// The Qt windows show them; the handlers read and write them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/picture.h"

namespace common {

// A colour: 0x00BBGGRR for a plain colour, 0x80000000 + n for desktop system colour n.
using Color = std::uint32_t;
inline constexpr Color clNavy = 0x00800000;
inline constexpr Color clMaroon = 0x00000080;
inline constexpr Color clAqua = 0x00FFFF00;
inline constexpr Color clBtnFace = 0x8000000F;

// How many times a grid may have been written: every use of its writable cell
// access, and every assignment of a whole grid over it. Not part of the grid's
// content, so two grids compare equal whatever their counts.
class WriteCount {
 public:
  WriteCount() = default;
  WriteCount(const WriteCount&) = default;
  WriteCount& operator=(const WriteCount&) {
    ++count_;
    return *this;
  }
  void Add() { ++count_; }
  std::uint64_t value() const { return count_; }

  friend bool operator==(const WriteCount&, const WriteCount&) { return true; }

 private:
  std::uint64_t count_ = 0;
};

// A grid of text cells, addressed as Cells(column, row) from 0. Readers go
// through a const grid; the writable Cells counts a write, so that the window
// compares the cells only of a grid written since it last showed them.
struct TStringGrid {
  int ColCount = 0;
  int RowCount = 0;
  int FixedCols = 0;  // heading columns and rows: drawn in FixedColor and never edited
  int FixedRows = 0;
  int DefaultRowHeight = 24;
  std::vector<int> ColWidths;
  Color FixedColor = clBtnFace;
  bool Editable = false;  // every cell outside the fixed columns and rows

  TStringGrid() = default;
  // Empty cells, as many as the shape holds.
  TStringGrid(int cols, int rows, int fixed_cols, int fixed_rows, std::vector<int> widths);

  std::string& Cells(int col, int row) {
    writes_.Add();
    return cells_[Index(col, row)];
  }
  const std::string& Cells(int col, int row) const { return cells_[Index(col, row)]; }
  // Writes a cell only when its text differs: a grid given what it already holds
  // stays unwritten.
  void SetCell(int col, int row, std::string_view text) {
    if (cells_[Index(col, row)] != text) Cells(col, row) = text;
  }
  // Every cell, row-major: ColCount * RowCount of them.
  const std::vector<std::string>& AllCells() const { return cells_; }
  std::uint64_t Writes() const { return writes_.value(); }
  // Everything but the cells is equal: the members above, which are written
  // without being counted.
  bool SameLayout(const TStringGrid& other) const;

  friend bool operator==(const TStringGrid&, const TStringGrid&) = default;

 private:
  std::size_t Index(int col, int row) const {
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(ColCount) +
           static_cast<std::size_t>(col);
  }

  std::vector<std::string> cells_;  // row-major, ColCount * RowCount
  WriteCount writes_;
};

// An image control: a built-in or loaded picture that can be shown, hidden and moved.
struct TImage {
  bool Visible = true;
  int Left = 0;
  int Top = 0;
  std::string Hint;
  // Empty: the built-in picture. Two images show the same picture when they
  // hold the same loaded one.
  std::shared_ptr<const PictureData> Picture;

  friend bool operator==(const TImage&, const TImage&) = default;
};

struct TStatusPanel {
  std::string Text;
  int Width = 50;

  friend bool operator==(const TStatusPanel&, const TStatusPanel&) = default;
};

// A menu entry; Name is the handler's key (N6 -> N6Click).
struct TMenuItem {
  std::string Name;
  std::string Caption;
  bool Checked = false;
  int ImageIndex = -1;  // picture from the window's image list; -1: none
  std::vector<TMenuItem> Items;

  friend bool operator==(const TMenuItem&, const TMenuItem&) = default;
};

}  // namespace common
