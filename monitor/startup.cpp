#include "monitor/startup.h"

#include "common/line_file.h"
#include "monitor/load_settings.h"
#include "monitor/modem_output.h"
#include "monitor/plan_view.h"
#include "monitor/startup_files.h"

namespace monitor {
namespace {

// Neither an answer (0) nor past a frame's limit: the frames stay grey until a
// channel is first heard.
constexpr std::uint8_t kStartUpLinkAge = 20;

// Channel 1's plan as the start-up shows it. Once a plan has been opened, the
// start-up's is out of date and a mended file is left to that plan's button.
void LoadPlanBackground(Station& st) {
  if (!st.core.PlanShown) LoadPlanPicture(st, 1);
}

void LoadFirstPlanMarkers(Station& st) {
  if (!st.core.PlanShown) LoadPlanMarkers(st);
}

void OpenSirenSound(Station& st) {
  if (!common::NonFolderExists(st.File(kSirenSoundFile))) return;
  st.form.MediaPlayer1.FileName = kSirenSoundFile;
  st.ports.sound.Open(st.File(kSirenSoundFile).string());
  st.form.MediaPlayer1.Open = true;
}

}  // namespace

void StartUp(Station& st) {
  st.state.SmsIndex = "1";
  LoadSettings(st);
  LoadStartUpFile(st, PlanPictureFileName(1), LoadPlanBackground);
  LoadStartUpFile(st, PlanSettingsFileName(1), LoadFirstPlanMarkers);
  LoadStartUpFile(st, kSirenSoundFile, OpenSirenSound);
  st.core.OperatorReminderTicks = 0;
  st.state.ModemReady = false;
  SendModemCommand(st, "AT");
  for (int c = 1; c <= kChannels; ++c) st.state.LinkAge[c] = kStartUpLinkAge;
  st.state.ControlSmsText.clear();
  st.core.InitDone = true;
}

}  // namespace monitor
