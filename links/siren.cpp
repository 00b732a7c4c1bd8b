#include "links/siren.h"

#include "common/line_file.h"
#include "monitor/startup.h"

namespace links {
namespace {

// The beep that stands in for the siren sound.
constexpr int kBeepHz = 500;
constexpr int kBeepMs = 700;

}  // namespace

void SoundSiren(monitor::Station& st) {
  if (!st.form.CheckBox[monitor::kSirenSwitch].Checked || !st.state.SirenOn) return;
  // A siren must never be silent: whenever the sound opened at start-up cannot
  // be played at this tick (its file removed since, or the player unable to play
  // it), the beep sounds as it does without a file.
  const bool sound_there =
      st.form.MediaPlayer1.Open && common::FileExists(st.File(monitor::kSirenSoundFile));
  if (sound_there && st.ports.sound.Play()) return;
  st.ports.sound.Beep(kBeepHz, kBeepMs);
}

void MediaPlayer1Click(monitor::Station& st, MediaPlayerButton button) {
  if (!st.form.MediaPlayer1.Open) return;
  monitor::Sound& sound = st.ports.sound;
  sound.Stop();
  switch (button) {
    case MediaPlayerButton::Play:
      sound.Play();
      break;
    case MediaPlayerButton::Pause:
      sound.Pause();
      break;
    case MediaPlayerButton::Stop:
      sound.Stop();
      break;
  }
}

}  // namespace links
