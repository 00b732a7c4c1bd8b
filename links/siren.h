// The siren: the alarm sound on every Timer5 tick while it is active, and the
// buttons of its media player.
#pragma once

#include "monitor/station.h"

namespace links {

enum class MediaPlayerButton { Play, Pause, Stop };

// While the siren switch is ticked and SirenOn is set: the sound file opened at
// start-up, or, whenever it cannot be played at the tick, a 700 ms beep at 500 Hz.
void SoundSiren(monitor::Station& st);

// A button of MediaPlayer1: the player stops, then the button does its own action.
// Without a sound opened at start-up the buttons do nothing.
void MediaPlayer1Click(monitor::Station& st, MediaPlayerButton button);

}  // namespace links
