#include "stanmon/qt/qt_sound.h"

#include <QApplication>
#include <QAudioDevice>
#include <QAudioOutput>
#include <QAudioSink>
#include <QEventLoop>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace stanmon {

namespace {

constexpr int kBeepRate = 22050;
constexpr double kBeepLevel = 0.4;
constexpr double kFadeSeconds = 0.005;  // softens the clicks at both ends
constexpr int kVerdictMs = 1000;        // the longest a new player may take to judge its file

// One sample in the sink's format, appended once for every channel.
void AppendSample(QByteArray& samples, const QAudioFormat& format, double value) {
  for (int channel = 0; channel < format.channelCount(); ++channel) {
    switch (format.sampleFormat()) {
      case QAudioFormat::UInt8: {
        const auto v = static_cast<quint8>(std::lround(127.5 + value * 127.0));
        samples.append(reinterpret_cast<const char*>(&v), sizeof v);
        break;
      }
      case QAudioFormat::Int16: {
        const auto v = static_cast<qint16>(std::lround(value * 32767.0));
        samples.append(reinterpret_cast<const char*>(&v), sizeof v);
        break;
      }
      case QAudioFormat::Int32: {
        const auto v = static_cast<qint32>(std::lround(value * 2147483647.0));
        samples.append(reinterpret_cast<const char*>(&v), sizeof v);
        break;
      }
      case QAudioFormat::Float: {
        const auto v = static_cast<float>(value);
        samples.append(reinterpret_cast<const char*>(&v), sizeof v);
        break;
      }
      default:
        return;
    }
  }
}

QByteArray SineTone(const QAudioFormat& format, int hz, int ms) {
  const int rate = format.sampleRate();
  const int count = static_cast<int>(static_cast<qint64>(rate) * ms / 1000);
  const double fade = std::max(1.0, kFadeSeconds * rate);
  QByteArray samples;
  samples.reserve(count * format.bytesPerFrame());
  for (int i = 0; i < count; ++i) {
    const double envelope = std::min({1.0, i / fade, (count - 1 - i) / fade});
    const double phase = 2.0 * std::numbers::pi * hz * i / rate;
    AppendSample(samples, format, kBeepLevel * envelope * std::sin(phase));
  }
  return samples;
}

}  // namespace

QtSound::QtSound(QObject* parent) : QObject(parent) {}

void QtSound::Open(const std::string& path) {
  source_ = QUrl::fromLocalFile(QFileInfo(QString::fromStdString(path)).absoluteFilePath());
  if (player_ != nullptr) player_->setSource(source_);
}

// A player made when the siren first sounds loads its file in the background. It
// is given the time to judge the file, with the event loop running meanwhile, so
// that the first tick knows as well as every later one whether the file plays,
// and beeps at once when it does not.
QMediaPlayer& QtSound::Player() {
  if (player_ != nullptr) return *player_;
  player_ = new QMediaPlayer(this);
  player_->setAudioOutput(new QAudioOutput(player_));
  player_->setSource(source_);
  if (player_->mediaStatus() != QMediaPlayer::LoadingMedia) return *player_;
  QEventLoop judging;
  QTimer::singleShot(kVerdictMs, &judging, &QEventLoop::quit);
  connect(player_, &QMediaPlayer::mediaStatusChanged, &judging,
          [&judging](QMediaPlayer::MediaStatus status) {
            if (status != QMediaPlayer::LoadingMedia) judging.quit();
          });
  connect(player_, &QMediaPlayer::errorOccurred, &judging, &QEventLoop::quit);
  judging.exec();
  return *player_;
}

bool QtSound::Play() {
  QMediaPlayer& player = Player();
  const bool playable = !player.source().isEmpty() && player.error() == QMediaPlayer::NoError &&
                        player.mediaStatus() != QMediaPlayer::InvalidMedia;
  if (!playable || QMediaDevices::audioOutputs().isEmpty()) return false;
  if (player.playbackState() == QMediaPlayer::PlayingState) return true;
  if (player.playbackState() == QMediaPlayer::StoppedState) player.setPosition(0);
  player.play();
  return true;
}

// A player not yet made has nothing to pause or stop.
void QtSound::Pause() {
  if (player_ != nullptr) player_->pause();
}

void QtSound::Stop() {
  if (player_ != nullptr) player_->stop();
}

void QtSound::Beep(int hz, int ms) {
  EndBeep();
  const QAudioDevice device = QMediaDevices::defaultAudioOutput();
  if (hz <= 0 || ms <= 0) return;
  if (device.isNull()) {
    QApplication::beep();  // no sound output: the desktop's own bell
    return;
  }
  QAudioFormat format;
  format.setSampleRate(kBeepRate);
  format.setChannelCount(1);
  format.setSampleFormat(QAudioFormat::Int16);
  if (!device.isFormatSupported(format)) format = device.preferredFormat();
  beep_samples_ = SineTone(format, hz, ms);
  beep_buffer_.setData(beep_samples_);
  beep_buffer_.open(QIODevice::ReadOnly);
  beep_ = new QAudioSink(device, format, this);
  connect(beep_, &QAudioSink::stateChanged, this, [this](QAudio::State state) {
    if (state == QAudio::IdleState) EndBeep();
  });
  beep_->start(&beep_buffer_);
}

void QtSound::EndBeep() {
  if (beep_ == nullptr) return;
  QAudioSink* ending = beep_;
  beep_ = nullptr;
  ending->disconnect(this);
  ending->stop();
  ending->deleteLater();
  beep_buffer_.close();
}

}  // namespace stanmon
