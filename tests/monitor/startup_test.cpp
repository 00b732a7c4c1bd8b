#include "monitor/startup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

#include "common/cp1251.h"
#include "tests/support/fakes.h"

namespace {

using monitor::Station;
using testing_support::FakePorts;

std::string Cp1251(const std::string& utf8) {
  return common::Utf8ToCp1251(utf8);
}

struct StartUpTest : ::testing::Test {
  FakePorts fakes;
  Station st{fakes.Ports()};
};

TEST_F(StartUpTest, FirstTickInAnEmptyFolderWritesEveryDefaultAndSendsAt) {
  monitor::Timer3Timer(st);

  std::string tab1;
  for (int n = 0; n <= 256; ++n) {
    char code[8];
    std::snprintf(code, sizeof code, "%02d_%02d", n / 16 + 1, n % 16 + 1);
    tab1 += std::string(code) + "\r\n" + std::to_string(n) + "\r\n";
  }
  EXPECT_EQ(fakes.folder.Read("tab1.txt"), tab1);
  EXPECT_EQ(fakes.folder.Read("tab1.txt").substr(0, 10), "01_01\r\n0\r\n");
  std::string tab3;
  for (int c = 1; c <= 16; ++c) tab3 += Cp1251(" ЦТП ") + std::to_string(c) + "\r\n";
  EXPECT_EQ(fakes.folder.Read("tab3.txt"), tab3);
  std::string tab5;
  for (int c = 1; c <= 16; ++c) tab5 += "10000\r\n";
  EXPECT_EQ(fakes.folder.Read("tab5.txt"), tab5 + "190\r\n");
  std::string empty_pairs;
  for (int i = 0; i < 32; ++i) empty_pairs += "\r\n";
  EXPECT_EQ(fakes.folder.Read("telefon.txt"), empty_pairs);
  EXPECT_EQ(fakes.folder.Read("telefona.txt"), "\r\n");
  EXPECT_EQ(fakes.folder.Read("help.txt"), Cp1251(" Файл помощи help.txt \r\n"));
  const std::string tab4 = fakes.folder.Read("tab4.txt");
  EXPECT_EQ(std::count(tab4.begin(), tab4.end(), '\n'), 6);
  EXPECT_FALSE(fakes.folder.Exists("paut.txt"));
  EXPECT_TRUE(fakes.folder.Exists("2026_03_05.txt"));
  EXPECT_EQ(fakes.folder.Read("2026_03_05.txt"), "");

  EXPECT_EQ(fakes.modem.LastWrite(), "AT\r\n");
  EXPECT_EQ(st.state.SmsIndex, "1");
  for (int c = 1; c <= 16; ++c) EXPECT_EQ(st.state.LinkAge[c], 20) << c;
  EXPECT_EQ(st.state.InitDone, 1);
  EXPECT_TRUE(st.form.Timer3.Enabled);
  EXPECT_TRUE(fakes.dialogs.boxes.empty());
  EXPECT_FALSE(st.form.MediaPlayer1.Open);
  EXPECT_TRUE(fakes.sound.calls.empty());
  EXPECT_EQ(st.form.Image[1].Picture, nullptr);
  EXPECT_TRUE(st.form.Memo2.Lines.empty());
}

TEST_F(StartUpTest, LowBalanceMessageComesBeforeTheModemCommand) {
  struct RecordingDialogs : testing_support::ScriptedDialogs {
    std::function<void()> on_inform;
    void Inform(const std::string& t, const std::string& c, common::BoxIcon i) override {
      ScriptedDialogs::Inform(t, c, i);
      on_inform();
    }
  } dialogs;
  monitor::ConsolePorts ports = fakes.Ports();
  Station station{monitor::ConsolePorts{dialogs, fakes.modem, fakes.rs485, fakes.sound,
                                        fakes.printer, fakes.picture, fakes.clock,
                                        fakes.folder.path, ports.program_path}};
  std::size_t writes_at_box = 99;
  int link_age_at_box = -1;
  dialogs.on_inform = [&] {
    writes_at_box = fakes.modem.writes.size();
    link_age_at_box = station.state.LinkAge[1];
  };
  fakes.folder.Write("tab5.txt", "500\r\n");

  monitor::Timer3Timer(station);

  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(writes_at_box, 0u);
  EXPECT_EQ(link_age_at_box, 0);
  EXPECT_EQ(fakes.modem.LastWrite(), "AT\r\n");
  EXPECT_EQ(station.state.InitDone, 1);
}

TEST_F(StartUpTest, SirenSoundIsOpenedWhenPresentAndAFailureEndsTheStartUp) {
  fakes.folder.Write("avaria.wav", "RIFF");
  monitor::StartUp(st);
  EXPECT_EQ(fakes.sound.calls, std::vector<std::string>{"open avaria.wav"});
  EXPECT_EQ(st.form.MediaPlayer1.FileName, "avaria.wav");
  EXPECT_TRUE(st.form.MediaPlayer1.Open);

  FakePorts broken;
  Station other{broken.Ports()};
  broken.folder.Write("avaria.wav", "RIFF");
  broken.sound.fail_open = true;
  EXPECT_THROW(monitor::Timer3Timer(other), std::exception);
  EXPECT_EQ(other.state.InitDone, 0);
  EXPECT_FALSE(other.form.Timer3.Enabled);
  EXPECT_TRUE(broken.modem.writes.empty());
  EXPECT_TRUE(broken.folder.Exists("tab5.txt"));  // the settings were loaded before
}

TEST_F(StartUpTest, AFailedSettingsStepKeepsWhatTheEarlierStepsDid) {
  std::filesystem::create_directory(fakes.folder.path / "tab3.txt");
  EXPECT_THROW(monitor::Timer3Timer(st), std::exception);
  EXPECT_TRUE(fakes.folder.Exists("tab1.txt"));
  EXPECT_EQ(st.form.StringGrid1.Cells(0, 256), "16_16");
  EXPECT_FALSE(fakes.folder.Exists("tab4.txt"));
  EXPECT_FALSE(fakes.folder.Exists("tab5.txt"));
  EXPECT_EQ(st.state.InitDone, 0);
  EXPECT_TRUE(fakes.modem.writes.empty());
}

}  // namespace
