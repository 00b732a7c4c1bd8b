// The whole console in virtual time: polling started by the operator, a device answering.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "common/timer_bank.h"
#include "stanmon/console.h"
#include "tests/support/fakes.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// An answer frame with its checksum over bytes 0..4.
Bytes Answer(std::uint8_t address, std::uint8_t outputs, std::uint8_t low, std::uint8_t high) {
  Bytes b = {0x55, address, outputs, low, high};
  b.push_back(static_cast<std::uint8_t>(0x55 + address + outputs + low + high));
  return b;
}

TEST(Rs485PollScenario, AnAnswerFromAddressTwoLightsRowTwentyOne) {
  testing_support::FakePorts fakes;
  stanmon::Console console{fakes.Ports()};
  common::VirtualTime time{console.timers()};
  time.Advance(251);  // start-up
  ASSERT_TRUE(console.Click("BitBtn20"));
  ASSERT_EQ(fakes.dialogs.OfKind("confirm").size(), 2u);

  time.Advance(2051);  // first request on the design interval, then 1 s from Edit20
  EXPECT_EQ(fakes.rs485.writes.size(), 1u);
  time.Advance(1000);
  ASSERT_EQ(fakes.rs485.writes.size(), 2u);
  EXPECT_EQ(fakes.rs485.writes.back(), (Bytes{0xAA, 0x45, 0x02, 0x00, 0x47}));
  EXPECT_EQ(console.form().StatusBar1[2].Text, "ПУСК");

  fakes.rs485.arrivals.push_back(Answer(2, 0x00, 0x10, 0x00));  // signal 5 on
  for (int ms = 0; ms < 101 && !console.state().RxRs485.NewData; ++ms) time.Advance(1);
  ASSERT_TRUE(console.state().RxRs485.NewData);
  EXPECT_EQ(console.form().StatusBar1[1].Text, "55 02 00 10 00 67 ");
  EXPECT_EQ(console.form().StringGrid1.Cells(2, 21), "");

  time.Advance(251);  // the next main-cycle pass
  EXPECT_EQ(console.form().StringGrid1.Cells(2, 21), "Вкл");
  EXPECT_EQ(console.form().Shape[21].Brush, monitor::clRed);
  EXPECT_EQ(console.form().GroupBox[2].Background, monitor::clYellow);
  EXPECT_FALSE(console.state().RxRs485.NewData);
}

}  // namespace
