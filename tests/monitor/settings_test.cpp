#include "monitor/charge_sms_cost.h"
#include "monitor/load_settings.h"
#include "monitor/save_settings.h"
#include "monitor/siren_switch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "common/cp1251.h"
#include "common/line_file.h"
#include "common/platform_error.h"
#include "tests/support/fakes.h"

namespace {

using monitor::Station;

std::string Lines(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const auto& line : lines) bytes += common::Utf8ToCp1251(line) + "\r\n";
  return bytes;
}

struct SettingsTest : ::testing::Test {
  testing_support::FakePorts fakes;
  Station st{fakes.Ports()};

  void Load() { monitor::LoadSettings(st); }
  std::vector<testing_support::Box> Informs() const { return fakes.dialogs.OfKind("inform"); }
};

TEST_F(SettingsTest, EmptyFolderGivesTheDefaultTables) {
  Load();
  const auto& objects = st.form.StringGrid3;
  EXPECT_EQ(objects.Cells(1, 1), " ЦТП 1");
  EXPECT_EQ(objects.Cells(1, 16), " ЦТП 16");
  for (int c = 1; c <= 16; ++c) {
    EXPECT_EQ(objects.Cells(0, c), std::to_string(c));
    EXPECT_EQ(objects.Cells(2, c), c <= 4 ? "RS485" : "") << c;
    EXPECT_EQ(objects.Cells(3, c), "10000") << c;
    EXPECT_EQ(st.form.GroupBox[c].Caption, objects.Cells(1, c));
  }
  const auto& signals = st.form.StringGrid1;
  EXPECT_EQ(signals.Cells(0, 1), "01_01");
  EXPECT_EQ(signals.Cells(1, 1), "0");
  EXPECT_EQ(signals.Cells(0, 17), "02_01");
  EXPECT_EQ(signals.Cells(1, 17), "16");
  EXPECT_EQ(signals.Cells(0, 256), "16_16");
  EXPECT_EQ(signals.Cells(1, 256), "255");
  EXPECT_EQ(signals.Cells(1, 0), "Описание сигналов");
  EXPECT_EQ(signals.Cells(3, 0), "Время");
  EXPECT_EQ(st.form.Edit1.Text, "190");
  EXPECT_EQ(st.form.Edit20.Text, "1");
  EXPECT_TRUE(st.form.Memo2.Lines.empty());
  EXPECT_EQ(st.form.StringGrid4.Cells(0, 0), "             Список операторов");
  EXPECT_EQ(st.form.ComboBox1.Items.size(), 6u);
  EXPECT_EQ(st.form.ComboBox1.Text, "Оператор");
  EXPECT_EQ(st.form.StringGrid2.Cells(1, 0), "  Название ");
  EXPECT_EQ(st.form.StringGrid2.Cells(0, 16), "16");
  EXPECT_EQ(st.form.StringGrid2.Cells(1, 3), "2");
  EXPECT_EQ(st.form.StringGrid7.Cells(0, 0), "  Дата , время");
  EXPECT_EQ(st.form.StringGrid7.Cells(6, 0), "SMS");
  EXPECT_TRUE(Informs().empty());
}

TEST_F(SettingsTest, ShortAndOddFilesReadMissingLinesAsEmpty) {
  fakes.folder.Write("tab5.txt", Lines(std::vector<std::string>(16, "5000")));
  fakes.folder.Write("tab3.txt", Lines({"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"}));
  fakes.folder.Write("telefona.txt", Lines({"912345678"}));  // 9 characters, one line
  fakes.folder.Write("paut.txt", "");
  fakes.folder.Write("help.txt", Lines({"Строка 1", "", "Строка 3"}));
  st.form.Edit2.Text = "untouched";

  Load();

  EXPECT_EQ(st.form.Edit1.Text, "190");
  EXPECT_EQ(st.form.StringGrid3.Cells(1, 10), "j");
  EXPECT_EQ(st.form.StringGrid3.Cells(1, 11), "");
  EXPECT_EQ(st.form.GroupBox[16].Caption, "");
  EXPECT_EQ(st.form.Edit19.Text, "");
  EXPECT_EQ(st.form.Edit2.Text, "untouched");
  EXPECT_EQ(st.form.Edit20.Text, "");
  EXPECT_EQ(st.form.Memo2.Lines, (std::vector<std::string>{"Строка 1", "", "Строка 3"}));
}

TEST_F(SettingsTest, AnOversizedNameIsCutAndTheOtherNamesStillRead) {
  fakes.folder.Write("tab3.txt", std::string(1 << 20, 'x') + "\r\n" + Lines({"Второй"}));
  Load();
  ASSERT_EQ(st.form.StringGrid3.Cells(1, 1).size(), common::kMaxSettingLineBytes);
  EXPECT_EQ(st.form.GroupBox[1].Caption, st.form.StringGrid3.Cells(1, 1));
  EXPECT_EQ(st.form.StringGrid3.Cells(1, 2), "Второй");
}

TEST_F(SettingsTest, SupportPhonesAreTakenOnlyWithTenCharacters) {
  struct Case {
    std::vector<std::string> lines;
    std::string edit19, edit2;
  };
  const std::vector<Case> cases = {
      {{"9123456789", "9876543210"}, "9123456789", "9876543210"},
      {{"91234567890", "98765432"}, "", ""},
      {{"", "9876543210"}, "", "9876543210"},
      {{"абвгдежзик"}, "абвгдежзик", ""},  // ten characters of any kind
  };
  for (const Case& c : cases) {
    testing_support::FakePorts fresh;
    Station station{fresh.Ports()};
    fresh.folder.Write("telefona.txt", Lines(c.lines));
    monitor::LoadSettings(station);
    EXPECT_EQ(station.form.Edit19.Text, c.edit19) << c.lines[0];
    EXPECT_EQ(station.form.Edit2.Text, c.edit2) << c.lines[0];
  }
}

TEST_F(SettingsTest, CyrillicFilesLoadAndSaveBackByteForByte) {
  std::vector<std::string> tab1;
  for (int r = 1; r <= 256; ++r) {
    tab1.push_back("Адрес_" + std::to_string(r));
    tab1.push_back("Дверь котельной №" + std::to_string(r) + " «ёЁ»");
  }
  std::vector<std::string> tab3, tab5, phones;
  for (int c = 1; c <= 16; ++c) {
    tab3.push_back("Котельная " + std::to_string(c));
    tab5.push_back(c == 2 ? "1500,25" : "-30");
    phones.push_back("1");
    phones.push_back(c <= 4 ? "RS485" : "91600000" + std::to_string(10 + c));
  }
  tab5.push_back("180,5");
  const std::vector<std::string> tab4 = {"Иванов", "Петров", "", "Щукин", "Эйлер", "Юдин"};
  const std::vector<std::string> support = {"9111111111", "9222222222"};
  const std::vector<std::pair<std::string, std::vector<std::string>>> files = {
      {"tab1.txt", tab1}, {"tab3.txt", tab3},      {"tab4.txt", tab4},
      {"tab5.txt", tab5}, {"telefon.txt", phones}, {"telefona.txt", support}};
  for (const auto& [name, lines] : files) fakes.folder.Write(name, Lines(lines));

  Load();
  EXPECT_EQ(st.form.StringGrid1.Cells(1, 5), "Дверь котельной №5 «ёЁ»");
  EXPECT_EQ(st.form.GroupBox[3].Caption, "Котельная 3");
  EXPECT_EQ(st.form.ComboBox1.Items[3], "Щукин");
  EXPECT_EQ(st.form.Edit2.Text, "9222222222");
  EXPECT_EQ(st.form.Edit19.Text, "9111111111");
  ASSERT_EQ(Informs().size(), 1u);  // channel 1 has -30 kopecks left

  for (const auto& [name, lines] : files) std::filesystem::remove(fakes.folder.path / name);
  monitor::ToolButton7Click(st);
  for (const auto& [name, lines] : files) EXPECT_EQ(fakes.folder.Read(name), Lines(lines)) << name;
  const auto confirm = fakes.dialogs.OfKind("confirm");
  ASSERT_EQ(confirm.size(), 1u);
  EXPECT_EQ(confirm[0].text, "Записать установки ?");
  EXPECT_EQ(confirm[0].caption, "Запись установок ");
  EXPECT_EQ(confirm[0].icon, common::BoxIcon::Question);
}

TEST_F(SettingsTest, EveryByteOfANameComesBackOnSave) {
  std::string name;
  for (int b = 0x20; b <= 0xFF; ++b) name += static_cast<char>(b);
  fakes.folder.Write("tab3.txt", name + "\r\n");
  Load();
  monitor::ToolButton7Click(st);
  EXPECT_EQ(fakes.folder.Read("tab3.txt").substr(0, name.size() + 2), name + "\r\n");
}

TEST_F(SettingsTest, SaveCommandRules) {
  Load();
  const std::string defaults = fakes.folder.Read("tab1.txt");

  fakes.dialogs.confirm_answers = {false};
  st.form.StringGrid1.Cells(1, 1) = "changed";
  monitor::ToolButton7Click(st);
  EXPECT_EQ(fakes.folder.Read("tab1.txt"), defaults);  // Cancel writes nothing

  st.form.Edit19.Text = "912345678";
  st.form.Edit2.Text = "987654321";
  st.form.StringGrid3.Cells(2, 2) = "9000000002";
  st.form.StringGrid3.Cells(2, 7) = "9000000007";
  monitor::ToolButton7Click(st);
  EXPECT_EQ(st.form.Edit19.Text, "");
  EXPECT_EQ(fakes.folder.Read("telefona.txt"), "\r\n987654321\r\n");
  const std::string phones = fakes.folder.Read("telefon.txt");
  EXPECT_EQ(phones.substr(0, 30), "1\r\nRS485\r\n1\r\n9000000002\r\n1\r\nRS");
  EXPECT_NE(phones.find("1\r\n9000000007\r\n"), std::string::npos);
  EXPECT_EQ(st.form.StringGrid3.Cells(2, 2), "RS485");
  EXPECT_EQ(st.state.ChannelPhone[7], "9000000007");
  const std::string tab1 = fakes.folder.Read("tab1.txt");
  EXPECT_EQ(std::count(tab1.begin(), tab1.end(), '\n'),
            512);  // 256 pairs: the 257th default pair is not written back
  EXPECT_FALSE(fakes.folder.Exists("paut.txt"));
}

TEST_F(SettingsTest, SaveStopsAtTheFailingFile) {
  Load();
  std::filesystem::remove(fakes.folder.path / "tab3.txt");
  std::filesystem::create_directory(fakes.folder.path / "tab3.txt");
  st.form.StringGrid1.Cells(1, 1) = "saved";
  st.form.StringGrid4.Cells(0, 1) = "not saved";
  st.form.StringGrid3.Cells(3, 1) = "1";
  EXPECT_THROW(monitor::ToolButton7Click(st), common::PlatformError);
  EXPECT_EQ(fakes.folder.Read("tab1.txt").substr(0, 14), "01_01\r\nsaved\r\n");
  EXPECT_EQ(fakes.folder.Read("tab4.txt").find("not saved"), std::string::npos);
  EXPECT_EQ(fakes.folder.Read("tab5.txt").substr(0, 7), "10000\r\n");
}

TEST_F(SettingsTest, LowBalanceMessageNamesTheLowestChannelBelow1000) {
  struct Case {
    std::vector<std::string> balances;
    std::string message;  // empty: no box
  };
  auto with = [](std::vector<std::pair<int, std::string>> set) {
    std::vector<std::string> b(16, "10000");
    for (auto& [c, v] : set) b[c - 1] = v;
    return b;
  };
  const std::vector<Case> cases = {
      {with({{5, "1000"}}), ""},
      {with({{5, "999,5"}}), "Остаток средств  № 5() = 999,5 копеек"},
      {with({{9, "10"}, {3, "500"}}), "Остаток средств  № 3(RS485) = 500 копеек"},
      {with({{6, ""}}), ""},
      {with({{7, "-190"}}), "Остаток средств  № 7() = -190 копеек"},
  };
  for (const Case& c : cases) {
    testing_support::FakePorts fresh;
    Station station{fresh.Ports()};
    fresh.folder.Write("tab5.txt", Lines(c.balances));
    monitor::LoadSettings(station);
    const auto boxes = fresh.dialogs.OfKind("inform");
    if (c.message.empty()) {
      EXPECT_TRUE(boxes.empty()) << c.balances[4];
    } else {
      ASSERT_EQ(boxes.size(), 1u) << c.message;
      EXPECT_EQ(boxes[0].text, c.message);
      EXPECT_EQ(boxes[0].icon, common::BoxIcon::Information);
    }
  }
}

TEST_F(SettingsTest, ABadBalanceEndsTheCheckWithoutAMessageAndItsFileIsNotRewritten) {
  std::vector<std::string> balances(16, "10000");
  balances[1] = "12";
  balances[9] = "много";
  fakes.folder.Write("tab5.txt", Lines(balances));
  Load();
  EXPECT_TRUE(Informs().empty());
  ASSERT_EQ(st.faults.boxes.size(), 1u);
  EXPECT_EQ(st.faults.boxes[0].text, "'много' is not a valid floating point value.");
  EXPECT_EQ(st.form.StringGrid3.Cells(3, 10), "много");

  // A charge is booked in the table; the file stays as it is until the save command.
  st.state.ChannelPhone[5] = "9000000005";
  st.state.SmsChargeQueue[0] = 5;
  monitor::ChargeSmsCost(st, 0);
  EXPECT_EQ(st.form.StringGrid3.Cells(3, 5), "9810");
  EXPECT_EQ(fakes.folder.Read("tab5.txt"), Lines(balances));
}

TEST_F(SettingsTest, ChargingBooksThePriceAndRewritesTheBalances) {
  Load();
  st.state.ChannelPhone[5] = "9000000005";
  st.state.ChannelPhone[6] = "9000000006";
  st.form.StringGrid3.Cells(3, 5) = "";
  st.state.SmsChargeQueue[3] = 5;
  monitor::ChargeSmsCost(st, 3);
  EXPECT_EQ(st.state.SmsChargeQueue[3], 0);
  EXPECT_EQ(st.form.StringGrid3.Cells(3, 5), "-190");
  EXPECT_NE(fakes.folder.Read("tab5.txt").find("10000\r\n-190\r\n"), std::string::npos);

  for (int slot : {0, 1, 2}) st.state.SmsChargeQueue[slot] = 6;
  st.form.Edit1.Text = "0,5";
  for (int slot = 0; slot <= 16; ++slot) monitor::ChargeSmsCost(st, slot);
  EXPECT_EQ(st.form.StringGrid3.Cells(3, 6), "9998,5");
  const std::string booked = fakes.folder.Read("tab5.txt");
  EXPECT_EQ(booked.substr(booked.size() - 19), "10000\r\n10000\r\n0,5\r\n");

  st.form.Edit1.Text = "";
  st.state.SmsChargeQueue[16] = 6;
  monitor::ChargeSmsCost(st, 16);
  EXPECT_EQ(st.form.Edit1.Text, "1");
  EXPECT_EQ(st.form.StringGrid3.Cells(3, 6), "9997,5");
  const std::string tab5 = fakes.folder.Read("tab5.txt");
  EXPECT_EQ(tab5.substr(tab5.size() - 3), "1\r\n");

  testing_support::FakePorts fresh;  // the booked balance reads back at the next start
  Station next{fresh.Ports()};
  fresh.folder.Write("tab5.txt", tab5);
  monitor::LoadSettings(next);
  EXPECT_EQ(next.form.StringGrid3.Cells(3, 6), "9997,5");
}

TEST_F(SettingsTest, ChargingSkipsEmptyEntriesUnknownChannelsAndChannelsWithoutPhone) {
  Load();
  std::filesystem::remove(fakes.folder.path / "tab5.txt");
  for (int entry : {0, 17, 200, 9}) {  // channel 9 has no stored phone
    st.state.SmsChargeQueue[0] = static_cast<std::uint8_t>(entry);
    monitor::ChargeSmsCost(st, 0);
    EXPECT_EQ(st.state.SmsChargeQueue[0], 0);
  }
  EXPECT_EQ(st.form.StringGrid3.Cells(3, 9), "10000");
  EXPECT_FALSE(fakes.folder.Exists("tab5.txt"));
}

TEST_F(SettingsTest, ABadPriceLosesTheChargeAndWritesNothing) {
  Load();
  std::filesystem::remove(fakes.folder.path / "tab5.txt");
  st.state.ChannelPhone[8] = "9000000008";
  st.form.StringGrid3.Cells(3, 8) = "";
  st.form.Edit1.Text = "1.5";
  st.state.SmsChargeQueue[4] = 8;
  EXPECT_THROW(monitor::ChargeSmsCost(st, 4), common::PlatformError);
  EXPECT_EQ(st.state.SmsChargeQueue[4], 0);
  EXPECT_EQ(st.form.StringGrid3.Cells(3, 8), "0");
  EXPECT_FALSE(fakes.folder.Exists("tab5.txt"));
}

TEST_F(SettingsTest, SirenSwitchCaptionFollowsItsTick) {
  st.form.CheckBox[17].Checked = false;
  monitor::CheckBox17Click(st);
  EXPECT_EQ(st.form.CheckBox[17].Caption, "выключен");
  st.form.CheckBox[17].Checked = true;
  monitor::CheckBox17Click(st);
  EXPECT_EQ(st.form.CheckBox[17].Caption, "ВКЛЮЧЕН");
}

}  // namespace
