#include "monitor/caught_error.h"

#include "common/platform_error.h"

namespace monitor {

void ShowCaughtError(Station& st, const std::string& text) {
  const std::string box_text = common::ErrorBoxText(text);
  st.faults.boxes.push_back(
      {box_text, common::ErrorBoxCaption(st.ports.program_name), common::BoxIcon::Error});
  st.form.StatusBar1[kEventPanel].Text = box_text;
}

void ClearCaughtError(Station& st, const std::string& text) {
  std::string& panel = st.form.StatusBar1[kEventPanel].Text;
  if (panel == common::ErrorBoxText(text)) panel.clear();
}

}  // namespace monitor
