// The siren player on QMediaPlayer and the beeper as a sine tone on QAudioSink,
// in the sound module (see LazySound). Nothing here waits for the sound to end.
// The media pipeline comes up when the siren first sounds, not when its file
// opens, and then takes its verdict on the file with the event loop running.
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

  // A file that LazySound has found to open.
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
  // The player of the opened file, made on first use once it has judged the file.
  QMediaPlayer& Player();

  QUrl source_;                     // the opened file
  QMediaPlayer* player_ = nullptr;  // owned by this
  QAudioSink* beep_ = nullptr;      // owned by this, the beep sounding now
  QBuffer beep_buffer_;
  QByteArray beep_samples_;
};

}  // namespace stanmon
