// Stanmon started for real with a simulated GSM modem on a pseudo-terminal: an
// object's report arrives by SMS and ends up in the archive and the balances.
#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <string>
#include <thread>

#include "common/cp1251.h"
#include "tests/e2e/pty.h"
#include "tests/e2e/pty_modem.h"
#include "tests/support/fakes.h"

namespace {

using namespace std::chrono_literals;

// Waits until the file holds the text, or the time is up.
bool FileHolds(const testing_support::TempFolder& folder, const std::string& name,
               const std::string& text, std::chrono::seconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (std::chrono::steady_clock::now() < end) {
    if (folder.Read(name).find(text) != std::string::npos) return true;
    std::this_thread::sleep_for(50ms);
  }
  return false;
}

// A working folder in which object 7 has the phone 9123456707, and the two lines.
struct ModemReport : ::testing::Test {
  testing_support::TempFolder folder;
  e2e::Pty modem;
  e2e::Pty rs485;

  ModemReport() {
    std::string phones;
    for (int k = 1; k <= 16; ++k)
      phones += "1\r\n" + std::string(k == 7 ? "9123456707" : "") + "\r\n";
    folder.Write("telefon.txt", phones);
  }
  std::map<std::string, std::string> Environment() const {
    return {{"STANMON_COM1", modem.slave_name},
            {"STANMON_COM2", rs485.slave_name},
            {"QT_QPA_PLATFORM", "offscreen"}};
  }
};

TEST_F(ModemReport, ReadFromTheSimIntoTheArchiveChargedAndDeleted) {
  e2e::Process stanmon(STANMON_BINARY, folder.path.string(), Environment());

  ASSERT_EQ(modem.ReadUntil("AT\r\n", 20s), "AT\r\n");
  modem.Write("\r\nOK\r\n");
  std::this_thread::sleep_for(300ms);
  modem.Write("\r\n+CMTI: \"SM\",3\r\n");
  EXPECT_EQ(modem.ReadUntil("AT+CMGR=3\r\n", 10s), "AT+CMGR=3\r\n");
  modem.Write(
      "\r\n+CMGR: \"REC UNREAD\",\"+79123456707\",,\"26/03/05,14:07:09+12\"\r\n"
      "Obj 7.10000000000000010\r\n\r\nOK\r\n");
  EXPECT_EQ(modem.ReadUntil("AT+CMGD=3\r\n", 10s), "AT+CMGD=3\r\n");

  const std::string today = common::Utf8ToCp1251("07_01 Вкл    96");
  bool found = false;
  for (const auto& entry : std::filesystem::directory_iterator(folder.path)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind("20", 0) == 0 && FileHolds(folder, name, today, 5s)) found = true;
  }
  EXPECT_TRUE(found) << "no archive line for signal 1 of channel 7";
  EXPECT_TRUE(FileHolds(folder, "tab5.txt", "10000\r\n9810\r\n10000\r\n", 5s));
  EXPECT_TRUE(stanmon.Running());
}

// A field modem with its echo on that answers 0.3 s late: the echo of the read
// command is no answer, and the report is archived, charged and deleted once. The
// read of an empty slot, answered with a bare OK, deletes nothing.
TEST_F(ModemReport, EchoOnAndLateAnswersEachReportTakenOnce) {
  e2e::PtyModem far_end(modem);
  testing_support::SimModem& sim = far_end.modem;
  sim.answer_delay_ms = 300;
  e2e::Process stanmon(STANMON_BINARY, folder.path.string(), Environment());

  ASSERT_TRUE(far_end.ServeUntil([&] { return sim.Count("AT") > 0; }, 20s));
  far_end.ServeUntil([] { return false; }, 500ms);
  sim.Deliver("3", {"+79123456707", "Obj 7.10000000000000010"}, far_end.Now());
  ASSERT_TRUE(far_end.ServeUntil([&] { return sim.Count("AT+CMGD=3") > 0; }, 15s));
  sim.Say("\r\n+CMTI: \"SM\",4\r\n", far_end.Now());
  EXPECT_TRUE(far_end.ServeUntil([&] { return sim.Count("AT+CMGR=4") > 0; }, 15s));
  far_end.ServeUntil([] { return false; }, 3s);  // a delete of slot 4 would come by now

  EXPECT_EQ(sim.Count("AT+CMGR=3"), 1);
  EXPECT_EQ(sim.Count("AT+CMGD=3"), 1);
  EXPECT_EQ(sim.Count("AT+CMGD=4"), 0);
  EXPECT_TRUE(sim.slots.empty());
  const std::string event = common::Utf8ToCp1251("07_01 Вкл    96");
  int events = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder.path)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind("20", 0) != 0 || !FileHolds(folder, name, event, 5s)) continue;
    const std::string archive = folder.Read(name);
    for (auto at = archive.find(event); at != std::string::npos; at = archive.find(event, at + 1))
      ++events;
  }
  EXPECT_EQ(events, 1);
  EXPECT_TRUE(FileHolds(folder, "tab5.txt", "10000\r\n9810\r\n10000\r\n", 5s));
  EXPECT_TRUE(stanmon.Running());
}

}  // namespace
