#include "stanmon/qt/lazy_sound.h"

#include <QApplication>
#include <QLibrary>

#include "common/qt/file_check.h"

namespace stanmon {

LazySound::LazySound(const QString& folder, QObject* parent)
    : QObject(parent), module_(folder + QLatin1Char('/') + QLatin1String(kSoundModule)) {}

void LazySound::Open(const std::string& path) {
  shell::RequireReadableFile(path);
  opened_ = path;
  if (sound_ != nullptr) sound_->Open(path);
}

monitor::Sound* LazySound::Loaded() {
  if (sound_ != nullptr || failed_) return sound_;
  QLibrary module(module_);
  const auto make = reinterpret_cast<MakeSound>(module.resolve("StanmonMakeSound"));
  if (make == nullptr) {
    failed_ = true;
    qWarning("The siren only beeps: %s", qPrintable(module.errorString()));
    return nullptr;
  }
  sound_ = make(this);
  if (!opened_.empty()) sound_->Open(opened_);
  return sound_;
}

bool LazySound::Play() {
  monitor::Sound* sound = Loaded();
  return sound != nullptr && sound->Play();
}

void LazySound::Pause() {
  if (sound_ != nullptr) sound_->Pause();
}

void LazySound::Stop() {
  if (sound_ != nullptr) sound_->Stop();
}

void LazySound::Beep(int hz, int ms) {
  if (monitor::Sound* sound = Loaded()) {
    sound->Beep(hz, ms);
  } else {
    QApplication::beep();
  }
}

}  // namespace stanmon
