// Stanmon started for real in an empty folder, the modem line on a pseudo-terminal.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "tests/e2e/pty.h"
#include "tests/support/fakes.h"

namespace {

using namespace std::chrono_literals;

TEST(ConsoleStart, SendsAtToTheModemAndWritesItsDefaultFiles) {
  testing_support::TempFolder folder;
  e2e::Pty modem;
  e2e::Pty rs485;
  e2e::Process stanmon(STANMON_BINARY, folder.path.string(),
                       {{"STANMON_COM1", modem.slave_name},
                        {"STANMON_COM2", rs485.slave_name},
                        {"QT_QPA_PLATFORM", "offscreen"}});

  const std::string got = modem.ReadUntil("AT\r\n", 20s);
  EXPECT_EQ(got, "AT\r\n");
  EXPECT_TRUE(stanmon.Running());
  for (const char* name : {"tab1.txt", "tab3.txt", "tab4.txt", "tab5.txt", "telefon.txt",
                           "telefona.txt", "help.txt"}) {
    EXPECT_TRUE(folder.Exists(name)) << name;
  }
  EXPECT_FALSE(folder.Exists("paut.txt"));
  const std::string tab1 = folder.Read("tab1.txt");
  EXPECT_EQ(tab1.substr(tab1.size() - 12), "17_01\r\n256\r\n");
}

}  // namespace
