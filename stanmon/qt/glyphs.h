// The button pictures of the console, drawn here at 16 x 16.
#pragma once

#include <QIcon>

namespace stanmon {

enum class Glyph {
  kOpenArchive,  // a folder
  kSave,         // a diskette
  kPreview,      // a printer
  kSirenOff,     // a bell, struck through
  kCut,          // scissors
  kCopy,         // two sheets
  kPaste,        // a clipboard
  kExit,         // an open door with an arrow out
  kChannelPlan,  // a little floor plan
};

QIcon GlyphIcon(Glyph glyph);

}  // namespace stanmon
