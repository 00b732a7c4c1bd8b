// The siren player on QMediaPlayer and the beeper as a sine tone on QAudioSink.
// Nothing here waits for the sound. The media pipeline comes up when the siren
// first sounds: held from the start it would cost the console more memory than
// all its windows.
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QObject>
#include <QUrl>

#include "monitor/ports.h"

class QAudioSink;
class QMediaPlayer;

namespace stanmon {

class QtSound : public QObject, public monitor::Sound {
  Q_OBJECT

 public:
  explicit QtSound(QObject* parent = nullptr);

  // Throws PlatformError when the file does not open.
  void Open(const std::string& path) override;
  // From the beginning when the last playback has ended; a running one plays on.
  // False when nothing playable is open or there is no sound output.
  bool Play() override;
  void Pause() override;
  void Stop() override;
  // A new beep cuts off one still sounding. Without a sound output, the
  // desktop's bell.
  void Beep(int hz, int ms) override;

 private:
  void EndBeep();
  // The player of the opened file, made on first use.
  QMediaPlayer& Player();

  QUrl source_;                     // the opened file
  QMediaPlayer* player_ = nullptr;  // owned by this
  QAudioSink* beep_ = nullptr;      // owned by this, the beep sounding now
  QBuffer beep_buffer_;
  QByteArray beep_samples_;
};

}  // namespace stanmon
