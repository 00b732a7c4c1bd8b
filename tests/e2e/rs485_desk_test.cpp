// Stanmon started for real with a tab5.txt it cannot take in, its window on a
// desk of its own and a simulated RS485 device on a pseudo-terminal: the desk
// starts all the same, polls once the operator starts polling, archives the
// device's change, and ends cleanly when the operator leaves.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "common/cp1251.h"
#include "tests/e2e/desk_session.h"
#include "tests/e2e/pty.h"
#include "tests/support/fakes.h"

namespace {

using namespace std::chrono_literals;

constexpr const char* kOk = "OK|ОК";  // a box's button, in Latin or Cyrillic letters

// Waits until one of the folder's daily archives holds the text, or the time is up.
bool ArchiveHolds(const testing_support::TempFolder& folder, const std::string& text,
                  std::chrono::seconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (std::chrono::steady_clock::now() < end) {
    for (const auto& entry : std::filesystem::directory_iterator(folder.path)) {
      const std::string name = entry.path().filename().string();
      if (name.rfind("20", 0) == 0 && folder.Read(name).find(text) != std::string::npos) {
        return true;
      }
    }
    std::this_thread::sleep_for(50ms);
  }
  return false;
}

TEST(Rs485Desk, ABadBalanceFileStopsNeitherTheModemNorThePollNorTheArchive) {
  e2e::DeskSession desk;
  ASSERT_EQ(desk.problem, "");
  testing_support::TempFolder folder;
  std::string tab5;
  for (int c = 1; c <= 16; ++c) tab5 += c == 3 ? "1 000\r\n" : "10000\r\n";
  folder.Write("tab5.txt", tab5 + "190\r\n");
  e2e::Pty modem;
  e2e::Pty rs485;
  auto env = desk.Environment();
  env["STANMON_COM1"] = modem.slave_name;
  env["STANMON_COM2"] = rs485.slave_name;
  e2e::Process stanmon(STANMON_BINARY, folder.path.string(), env);

  EXPECT_EQ(modem.ReadUntil("AT\r\n", 20s), "AT\r\n");
  ASSERT_TRUE(desk.Click("stanmon", kOk, "'1 000' is not a valid floating point value.", 20s));
  ASSERT_TRUE(desk.Click("stanmon", "Пуск RS485", "", 20s));
  ASSERT_TRUE(desk.Click("stanmon", kOk, "Не выбрана фамилия оператора", 20s));
  ASSERT_TRUE(desk.Click("stanmon", kOk, "Начать опрос?", 20s));

  // Address 2 is asked with its outputs off; it answers signal 5 on.
  const std::string request = {'\xAA', '\x45', '\x02', '\x00', '\x47'};
  ASSERT_NE(rs485.ReadUntil(request, 20s).find(request), std::string::npos);
  rs485.Write({'\x55', '\x02', '\x00', '\x10', '\x00', '\x67'});

  EXPECT_TRUE(ArchiveHolds(folder, common::Utf8ToCp1251("  02_05 Вкл    20"), 10s));
  EXPECT_TRUE(stanmon.Running());

  // The operator leaves by the exit button: the program ends by itself, cleanly,
  // which under the sanitizers also means with no leak the suppressions let by.
  ASSERT_TRUE(desk.Click("stanmon", "Выход", "", 20s));
  ASSERT_TRUE(desk.Click("stanmon", kOk, "Вы действительно хотите выйти?", 20s));
  EXPECT_EQ(stanmon.Wait(30s), 0);
}

}  // namespace
