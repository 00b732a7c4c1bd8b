// The console's sound port as the program starts it. Qt Multimedia brings
// PulseAudio, codecs and a network stack into the process, more memory than all
// the console's windows, for a siren that may never sound: it lives in the sound
// module, loaded when the siren first sounds or beeps. The file is checked when
// it is opened, at start-up, as before.
#pragma once

#include <QObject>
#include <QString>
#include <string>

#include "monitor/ports.h"

namespace stanmon {

// The module's file name, and its entry, which makes a sound port owned by the
// QObject given.
inline constexpr char kSoundModule[] = "libstanmon_sound.so";
using MakeSound = monitor::Sound* (*)(QObject* parent);

class LazySound : public QObject, public monitor::Sound {
  Q_OBJECT

 public:
  // folder: where the sound module lies, the program's own folder.
  explicit LazySound(const QString& folder, QObject* parent = nullptr);

  // Throws PlatformError when the file does not open; loads nothing.
  void Open(const std::string& path) override;
  // False, as for a sound that cannot be played, when the module does not load.
  bool Play() override;
  // Before the module is loaded nothing sounds, so there is nothing to pause or stop.
  void Pause() override;
  void Stop() override;
  // Without the module, the desktop's bell.
  void Beep(int hz, int ms) override;

 private:
  // The module's port, the opened file given to it; nullptr when the module does
  // not load, which is said once on the standard error.
  monitor::Sound* Loaded();

  QString module_;
  std::string opened_;               // the file opened, empty when none
  monitor::Sound* sound_ = nullptr;  // owned by this, made by the module
  bool failed_ = false;              // the module did not load
};

}  // namespace stanmon
