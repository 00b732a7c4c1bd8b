// The kinds of control the designer window is made of, as plain data: those
// of both programs from common/controls.h, and the designer's own. The Qt
// window shows them; the handlers read and write them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/controls.h"

namespace designer {

using common::clAqua;
using common::clMaroon;
using common::clNavy;
using common::Color;
inline constexpr Color clBlack = 0x00000000;

using common::SpinButton;
using common::TImage;
using common::TMenuItem;
using common::TStatusPanel;
using common::TStringGrid;

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

// A tool bar entry: a button with an image, or a separator of a given width.
struct TToolButton {
  std::string Name;
  int ImageIndex = -1;
  bool Separator = false;
  int Width = 23;
};

// An open or save dialog: what it shows, and the file and filter entry last
// chosen in it, which it proposes the next time.
struct TFileDialog {
  std::string Title;
  std::string Filter;  // "label|pattern|label|pattern"
  std::string InitialDir;
  std::string FileName;
  int FilterIndex = 1;  // entry of Filter, from 1
};

}  // namespace designer
