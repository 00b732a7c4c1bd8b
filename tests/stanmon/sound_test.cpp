// The siren as the program starts it: the file is checked when it is opened,
// while Qt Multimedia and its media backend, heavy in memory, come into the
// process only when the siren first sounds.
#include <QMetaEnum>
#include <QUrl>
#include <QVariant>
#include <algorithm>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "common/platform_error.h"
#include "stanmon/qt/lazy_sound.h"
#include "tests/support/fakes.h"
#include "tests/support/pipe_watchdog.h"

namespace stanmon {
namespace {

// Whether a file whose path holds the text is mapped into this process.
bool Mapped(const std::string& text) {
  std::ifstream maps("/proc/self/maps");
  for (std::string line; std::getline(maps, line);) {
    if (line.find(text) != std::string::npos) return true;
  }
  return false;
}

TEST(LazySoundTest, ChecksTheFileAtOnceAndLoadsMultimediaWhenTheSirenFirstSounds) {
  testing_support::TempFolder folder;
  folder.Write("avaria.wav", "RIFF");
  LazySound sound(QString::fromUtf8(SOUND_MODULE_FOLDER));
  EXPECT_THROW(sound.Open((folder.path / "missing.wav").string()), common::PlatformError);
  sound.Open((folder.path / "avaria.wav").string());
  sound.Pause();
  sound.Stop();
  EXPECT_FALSE(Mapped("libQt6Multimedia"));
  EXPECT_FALSE(Mapped("/plugins/multimedia/"));

  sound.Play();
  EXPECT_TRUE(Mapped("libQt6Multimedia"));
  EXPECT_TRUE(Mapped("/plugins/multimedia/"));
  const auto players = sound.findChildren<QObject*>();
  const auto player = std::find_if(players.begin(), players.end(), [](QObject* child) {
    return child->metaObject()->className() == std::string("QMediaPlayer");
  });
  ASSERT_NE(player, players.end());
  EXPECT_EQ((*player)->property("source").toUrl().toLocalFile().toStdString(),
            (folder.path / "avaria.wav").string());
  // The file is judged before the first tick answers, as by a player made at start-up.
  const QMetaObject& meta = *(*player)->metaObject();
  const QMetaEnum status = meta.enumerator(meta.indexOfEnumerator("MediaStatus"));
  EXPECT_STREQ(status.valueToKey((*player)->property("mediaStatus").toInt()), "InvalidMedia");
}

// Without its module the siren cannot play, and says so, so that the beep sounds.
TEST(LazySoundTest, WithoutTheModuleTheSirenCannotPlayAndBeeps) {
  testing_support::TempFolder folder;
  folder.Write("avaria.wav", "RIFF");
  LazySound sound(QString::fromStdString(folder.path.string()));
  sound.Open((folder.path / "avaria.wav").string());
  EXPECT_FALSE(sound.Play());
  EXPECT_NO_THROW(sound.Beep(500, 700));
}

// The siren's file is checked without waiting: a pipe, or a device behind a
// link, is refused at once.
TEST(LazySoundTest, APipeOrADeviceIsRefusedAtOnce) {
  testing_support::TempFolder folder;
  const auto pipe = folder.path / "avaria.wav";
  testing_support::MakePipe(pipe);
  std::filesystem::create_symlink("/dev/zero", folder.path / "zero.wav");
  LazySound sound(QString::fromStdString(folder.path.string()));
  for (const char* name : {"avaria.wav", "zero.wav"}) {
    const std::string path = (folder.path / name).string();
    const testing_support::PipeWatchdog guard({pipe});
    try {
      sound.Open(path);
      ADD_FAILURE() << name;
    } catch (const common::PlatformError& e) {
      EXPECT_EQ(std::string(e.what()), "Cannot open file \"" + path + "\". File access denied");
    }
  }
  EXPECT_TRUE(testing_support::IsPipe(pipe));
}

}  // namespace
}  // namespace stanmon
