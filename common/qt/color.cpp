#include "common/qt/color.h"

namespace shell {
namespace {

constexpr common::Color kSystemColorFlag = 0x80000000;

// The desktop's system colours by number, as the palette has them.
QColor SystemColor(int index, const QPalette& palette) {
  switch (index) {
    case 1:  // desktop
    case 4:  // menu
      return palette.color(QPalette::Window);
    case 2:   // active caption
    case 13:  // highlight
      return palette.color(QPalette::Highlight);
    case 5:  // window
      return palette.color(QPalette::Base);
    case 6:   // window frame
    case 16:  // button shadow
      return palette.color(QPalette::Dark);
    case 7:  // menu text
    case 8:  // window text
      return palette.color(QPalette::WindowText);
    case 14:
      return palette.color(QPalette::HighlightedText);
    case 17:  // grey text
      return palette.color(QPalette::Disabled, QPalette::WindowText);
    case 18:
      return palette.color(QPalette::ButtonText);
    case 20:  // button highlight
      return palette.color(QPalette::Light);
    case 21:  // dark 3D shadow
      return palette.color(QPalette::Shadow);
    case 22:  // 3D light
      return palette.color(QPalette::Midlight);
    case 23:
      return palette.color(QPalette::ToolTipText);
    case 24:
      return palette.color(QPalette::ToolTipBase);
    default:  // 15 button face and the rest
      return palette.color(QPalette::Button);
  }
}

}  // namespace

QColor ToQColor(common::Color color) {
  return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF));
}

QColor ToQColor(common::Color color, const QPalette& palette) {
  if ((color & kSystemColorFlag) != 0) return SystemColor(static_cast<int>(color & 0xFF), palette);
  return ToQColor(color);
}

}  // namespace shell
