#include "stanmon/controls_without_handler.h"

#include <algorithm>
#include <array>

namespace stanmon {

bool HasNoHandlerOnPurpose(std::string_view control) {
  static constexpr std::array<std::string_view, 10> kControls = {
      "ComboBox1", "ComboBox2", "ToolButton11", "ToolButton12", "ToolButton13",
      "Cut1",      "Copy1",     "Paste1",       "COM11",        "COM21",
  };
  return std::find(kControls.begin(), kControls.end(), control) != kControls.end();
}

}  // namespace stanmon
