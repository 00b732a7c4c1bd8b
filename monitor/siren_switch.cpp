#include "monitor/siren_switch.h"

namespace monitor {

void CheckBox17Click(Station& st) {
  st.form.CheckBox[kSirenSwitch].Caption =
      st.form.CheckBox[kSirenSwitch].Checked ? "ВКЛЮЧЕН" : "выключен";
}

}  // namespace monitor
