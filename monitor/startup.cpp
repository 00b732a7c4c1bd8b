#include "monitor/startup.h"

#include "common/line_file.h"
#include "monitor/main_cycle.h"
#include "monitor/modem_output.h"
#include "monitor/plan_view.h"
#include "monitor/settings.h"

namespace monitor {
namespace {

void LoadPlanBackground(Station& st) {
  const auto path = st.File(PlanPictureFileName(1));
  if (common::FileExists(path)) st.form.Image[1].Picture = st.ports.picture.Load(path.string());
}

void OpenSirenSound(Station& st) {
  if (!common::FileExists(st.File("avaria.wav"))) return;
  st.form.MediaPlayer1.FileName = "avaria.wav";
  st.ports.sound.Open(st.File("avaria.wav").string());
  st.form.MediaPlayer1.Open = true;
}

}  // namespace

void Timer3Timer(Station& st) {
  st.form.Timer3.Enabled = false;
  if (st.state.PortOpen == 0) OpenPorts(st);
  if (st.state.InitDone == 0) StartUp(st);
  RunMainCycle(st);
}

void StartUp(Station& st) {
  st.state.SmsIndex = "1";
  LoadSettings(st);
  LoadPlanBackground(st);
  LoadPlanMarkers(st);
  OpenSirenSound(st);
  st.state.OperatorReminderTicks = 0;
  st.state.ModemReady = 0;
  SendModemCommand(st, "AT");
  for (int c = 1; c <= kChannels; ++c) st.state.LinkAge[c] = 20;
  st.state.ControlSmsText.clear();
  st.state.InitDone = 1;
}

}  // namespace monitor
