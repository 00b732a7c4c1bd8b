#include "monitor/main_cycle.h"

namespace monitor {

void RunMainCycle(Station& st) { st.form.Timer3.Enabled = true; }

}  // namespace monitor
