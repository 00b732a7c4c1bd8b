#include "monitor/timer3_timer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

#include "common/cp1251.h"
#include "monitor/plan_view.h"
#include "tests/support/fakes.h"
#include "tests/support/pipe_watchdog.h"

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
  EXPECT_TRUE(st.core.InitDone);
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
  EXPECT_TRUE(station.core.InitDone);
}

// The desk starts whatever file fails; the error is shown once and the step is
// taken up again when its file changes, and only then.
struct FailedStepTest : StartUpTest {
  std::vector<std::string> BoxTexts() const {
    std::vector<std::string> texts;
    for (const auto& box : st.faults.boxes) texts.push_back(box.text);
    return texts;
  }
  void ExpectTheDeskStarted() {
    EXPECT_TRUE(st.core.InitDone);
    EXPECT_EQ(fakes.modem.LastWrite(), "AT\r\n");
    EXPECT_TRUE(st.form.Timer3.Enabled);
  }
};

TEST_F(FailedStepTest, SirenSoundIsOpenedWhenPresentAndTakenUpWhenItsFileIsMended) {
  fakes.folder.Write("avaria.wav", "RIFF");
  fakes.sound.fail_open = true;
  monitor::Timer3Timer(st);
  ExpectTheDeskStarted();
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Cannot open the sound device."});
  EXPECT_FALSE(st.form.MediaPlayer1.Open);

  fakes.sound.fail_open = false;
  monitor::Timer3Timer(st);  // the same file: not tried again
  EXPECT_FALSE(st.form.MediaPlayer1.Open);
  fakes.folder.Write("avaria.wav", "RIFF WAVE");
  monitor::Timer3Timer(st);
  EXPECT_EQ(fakes.sound.calls.back(), "open avaria.wav");
  EXPECT_EQ(st.form.MediaPlayer1.FileName, "avaria.wav");
  EXPECT_TRUE(st.form.MediaPlayer1.Open);
  EXPECT_EQ(st.faults.boxes.size(), 1u);
}

TEST_F(FailedStepTest, AnUnreadableSettingsFileLeavesOnlyItsOwnCellsEmpty) {
  const auto tab3 = fakes.folder.path / "tab3.txt";
  std::filesystem::create_directory(tab3);
  monitor::Timer3Timer(st);
  ExpectTheDeskStarted();
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"File access denied."});
  EXPECT_EQ(st.form.StringGrid1.Cells(0, 256), "16_16");
  EXPECT_EQ(st.form.StringGrid3.Cells(1, 1), "");
  EXPECT_EQ(st.form.ComboBox1.Items.size(), 6u);
  EXPECT_EQ(st.form.StringGrid3.Cells(3, 1), "10000");
  EXPECT_TRUE(std::filesystem::is_directory(tab3));

  std::filesystem::remove(tab3);
  fakes.folder.Write("tab3.txt", Cp1251("Котельная\r\n"));
  monitor::Timer3Timer(st);
  EXPECT_EQ(st.form.StringGrid3.Cells(1, 1), "Котельная");
  EXPECT_EQ(st.form.GroupBox[1].Caption, "Котельная");
  EXPECT_EQ(st.form.StatusBar1[5].Text, "");
}

// A pipe in place of a start-up file is no missing file: its step fails as for
// any unreadable file, no default is written over it, and the desk starts.
TEST(PipeInPlaceOfAStartUpFile, IsUnreadableAndStaysAsItIs) {
  for (const char* name : {"paut.txt", "help.txt", "telefon.txt", "telefona.txt", "tab1.txt",
                           "tab3.txt", "tab4.txt", "tab5.txt", "pust1.txt"}) {
    FakePorts fakes;
    Station st{fakes.Ports()};
    const auto pipe = fakes.folder.path / name;
    testing_support::MakePipe(pipe);
    {
      const testing_support::PipeWatchdog guard({pipe});
      monitor::Timer3Timer(st);
    }
    ASSERT_EQ(st.faults.boxes.size(), 1u) << name;
    EXPECT_EQ(st.faults.boxes[0].text, "File access denied.") << name;
    EXPECT_TRUE(testing_support::IsPipe(pipe)) << name;
    EXPECT_TRUE(st.core.InitDone) << name;
    EXPECT_EQ(fakes.modem.LastWrite(), "AT\r\n") << name;
    EXPECT_EQ(fakes.folder.Exists("pust2.txt"), std::string(name) != "pust1.txt") << name;
  }
}

// The picture and the sound go to their loaders, which refuse a pipe themselves.
TEST(PipeInPlaceOfAStartUpFile, PictureAndSoundGoToTheirLoaders) {
  FakePorts fakes;
  Station st{fakes.Ports()};
  testing_support::MakePipe(fakes.folder.path / "fon1.bmp");
  testing_support::MakePipe(fakes.folder.path / "avaria.wav");
  monitor::Timer3Timer(st);
  EXPECT_EQ(fakes.picture.loads, std::vector<std::string>{(fakes.folder.path / "fon1.bmp")});
  EXPECT_EQ(fakes.sound.calls, std::vector<std::string>{"open avaria.wav"});
}

TEST_F(FailedStepTest, FilesTakenUpAfterAPlanHasBeenShownLeaveThatPlanAlone) {
  std::string pust;
  for (int line = 1; line <= 32; ++line) pust += std::to_string(line) + "\r\n";
  fakes.folder.Write("pust1.txt", "bad\r\n");
  fakes.folder.Write("pust5.txt", pust);
  fakes.folder.Write("tab5.txt", "x\r\n");
  monitor::Timer3Timer(st);
  ASSERT_EQ(st.faults.failed_steps.size(), 2u);
  monitor::ChannelButtonClick(st, 5);

  std::string sevens;
  for (int line = 1; line <= 32; ++line) sevens += "7\r\n";
  fakes.folder.Write("pust1.txt", sevens);
  fakes.folder.Write("tab5.txt", "9000\r\n");
  monitor::Timer3Timer(st);
  EXPECT_EQ(st.form.StringGrid3.Cells(3, 1), "9000");
  EXPECT_EQ(st.form.StringGrid2.Cells(1, 0), " ЦТП 5");
  EXPECT_EQ(st.form.StringGrid2.Cells(1, 1), "64");
  EXPECT_EQ(st.core.MarkerX[1], 1);
  EXPECT_EQ(st.form.StatusBar1[5].Text, "");
}

TEST_F(FailedStepTest, AShortPlanFileIsTakenUpOnceMendedFromOutside) {
  std::string pust1;
  for (int line = 1; line <= 31; ++line) pust1 += "40\r\n";
  fakes.folder.Write("pust1.txt", pust1);
  monitor::Timer3Timer(st);
  ExpectTheDeskStarted();
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"'' is not a valid integer value."});
  EXPECT_EQ(st.form.StatusBar1[5].Text, "'' is not a valid integer value.");
  EXPECT_EQ(st.core.MarkerY[16], 0);
  EXPECT_FALSE(fakes.folder.Exists("pust2.txt"));  // no default written over the bad file

  fakes.folder.Write("pust1.txt", pust1 + "50\r\n");
  monitor::Timer3Timer(st);
  EXPECT_EQ(st.core.MarkerX[1], 40);
  EXPECT_EQ(st.core.MarkerY[16], 50);
  EXPECT_EQ(st.form.Image[17].Top, 50);
  EXPECT_EQ(st.form.StatusBar1[5].Text, "");
}

}  // namespace
