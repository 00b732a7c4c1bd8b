// The siren player on QMediaPlayer and the beeper as a sine tone on QAudioSink.
// Nothing here waits for the sound.
#pragma once

#include <QAudioOutput>
#include <QBuffer>
#include <QByteArray>
#include <QMediaPlayer>
#include <QObject>

#include "monitor/ports.h"

class QAudioSink;

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

  QAudioOutput output_;
  QMediaPlayer player_;
  QAudioSink* beep_ = nullptr;  // owned by this, the beep sounding now
  QBuffer beep_buffer_;
  QByteArray beep_samples_;
};

}  // namespace stanmon
