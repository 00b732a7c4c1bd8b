#include "links/siren.h"

namespace links {

void SoundSiren(monitor::Station& st) {
  if (!st.form.CheckBox[17].Checked || st.state.SirenOn != 1) return;
  if (st.form.MediaPlayer1.Open) {
    st.ports.sound.Play();
  } else {
    st.ports.sound.Beep(500, 700);
  }
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
