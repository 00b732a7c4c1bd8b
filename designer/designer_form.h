// The designer window as data: every value a control shows or the user can
// change, under the control's own name. Image[k] is Image<k>: 1 the background,
// 2..17 the zone markers 1..16; slot 0 stays unused.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "common/timer_bank.h"
#include "designer/controls.h"

namespace designer {

inline constexpr int kMarkers = 16;

// The roles of the images and status panels.
inline constexpr int kBackgroundImage = 1;
inline constexpr std::size_t kPictureFilePanel = 0;   // the background picture's file
inline constexpr std::size_t kSettingsFilePanel = 1;  // the settings file last read

// The image of marker number n, n + 1, wrapping at 32 bits as the platform's
// arithmetic does, so any number is safe to pass to PlaceMarker.
constexpr std::int32_t MarkerIndex(std::int32_t n) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(n) + 1u);
}

// The image list's pictures, shared by the tool bar, the menus and the buttons.
enum ImageIndex : int {
  kImageCreate = 0,
  kImageRead = 1,
  kImageWrite = 2,
  kImageCut = 3,
  kImageCopy = 4,
  kImagePaste = 5,
  kImageOk = 6,
  kImageStart = 7,
  kImageExit = 8,
  kImageStop = 12,
  kImageOpenPicture = 17,
};

struct DesignerForm {
  std::string Caption;
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;

  std::vector<TToolButton> ToolBar1;  // left to right, separators included
  TButton BitBtn2;                    // "Выход" at the tool bar's end

  std::string TabSheet1;    // the one tab's caption
  std::string GroupBox1;    // caption of the marker settings group
  TLabel Label1;            // "Вертикаль"
  TLabel Label2;            // "Горизонт"
  TLabel Label3;            // "№"
  TEdit Edit1;              // number of the current marker
  TEdit Edit2;              // its horizontal coordinate being edited
  TEdit Edit3;              // its vertical coordinate being edited
  TUpDown UpDown1;          // spinner of Edit1
  TUpDown UpDown2;          // spinner of Edit2
  TUpDown UpDown3;          // spinner of Edit3
  TStringGrid StringGrid1;  // the coordinate grid: number, horizontal, vertical
  TButton BitBtn1;          // "Применить", the window's default button

  std::array<TImage, MarkerIndex(kMarkers) + 1> Image;  // 1 background, 2..17 markers

  std::array<TStatusPanel, 3> StatusBar1;  // 0 picture file, 1 settings file, 2 empty

  std::vector<TMenuItem> MainMenu1;

  common::Timer Timer3;  // the start-up load
  common::Timer Timer4;  // the blink demonstration

  TFileDialog OpenDialog1;  // background picture
  TFileDialog OpenDialog2;  // settings file to read
  TFileDialog SaveDialog1;  // settings file to write

  // The menu entry of that name, or nullptr.
  const TMenuItem* FindMenuItem(const std::string& name) const;
};

// The window as designed, before anything is loaded.
DesignerForm MakeDesignerForm();

}  // namespace designer
