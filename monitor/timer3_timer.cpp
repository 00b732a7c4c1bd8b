#include "monitor/timer3_timer.h"

#include "monitor/main_cycle.h"
#include "monitor/modem_output.h"
#include "monitor/startup.h"
#include "monitor/startup_files.h"

namespace monitor {

void Timer3Timer(Station& st) {
  st.form.Timer3.Enabled = false;
  if (!st.state.PortOpen) OpenPorts(st);
  if (!st.core.InitDone) StartUp(st);
  TakeUpMendedFiles(st);
  RunMainCycle(st);
}

}  // namespace monitor
