// The siren player: the file is checked when it is opened, while the media
// backend, heavy in memory, is loaded only when the siren first sounds.
#include <QMediaPlayer>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "common/platform_error.h"
#include "stanmon/qt/qt_sound.h"
#include "tests/support/fakes.h"

namespace stanmon {
namespace {

// Whether Qt's media backend plugin is mapped into this process.
bool MediaBackendLoaded() {
  std::ifstream maps("/proc/self/maps");
  for (std::string line; std::getline(maps, line);) {
    if (line.find("/plugins/multimedia/") != std::string::npos) return true;
  }
  return false;
}

TEST(QtSoundTest, ChecksTheFileAtOnceAndLoadsTheBackendWhenTheSirenFirstSounds) {
  testing_support::TempFolder folder;
  folder.Write("avaria.wav", "RIFF");
  QtSound sound;
  EXPECT_THROW(sound.Open((folder.path / "missing.wav").string()), common::PlatformError);
  sound.Open((folder.path / "avaria.wav").string());
  sound.Pause();
  sound.Stop();
  EXPECT_FALSE(MediaBackendLoaded());

  sound.Play();
  EXPECT_TRUE(MediaBackendLoaded());
  const auto players = sound.findChildren<QMediaPlayer*>();
  ASSERT_EQ(players.size(), 1);
  EXPECT_EQ(players[0]->source().toLocalFile().toStdString(),
            (folder.path / "avaria.wav").string());
}

}  // namespace
}  // namespace stanmon
