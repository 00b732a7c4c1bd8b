#include "monitor/modem_output.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "monitor/timer3_timer.h"
#include "tests/support/fakes.h"

namespace {

using monitor::Station;

struct ModemOutputTest : ::testing::Test {
  testing_support::FakePorts fakes;
  Station st{fakes.Ports()};

  // The buffer up to and including its first 0 byte.
  std::vector<int> Message() const {
    std::vector<int> bytes;
    for (std::uint8_t b : st.core.ModemTxBuffer) {
      bytes.push_back(b);
      if (b == 0) break;
    }
    return bytes;
  }
  bool RestIsZero(std::size_t from) const {
    for (std::size_t i = from; i < st.core.ModemTxBuffer.size(); ++i) {
      if (st.core.ModemTxBuffer[i] != 0) return false;
    }
    return true;
  }
};

TEST_F(ModemOutputTest, CommandIsFramedWithCrLfAndHandedOver) {
  st.state.TxWrittenCount = 7;
  monitor::SendModemCommand(st, "AT");
  EXPECT_EQ(Message(), (std::vector<int>{0x41, 0x54, 0x0D, 0x0A, 0x00}));
  EXPECT_TRUE(RestIsZero(4));
  EXPECT_EQ(fakes.modem.LastWrite(), "AT\r\n");
  EXPECT_EQ(st.state.TxWrittenCount, 0);
  EXPECT_EQ(st.form.StatusBar1[3].Text, "-->M");
  EXPECT_EQ(st.form.StatusBar1[4].Text, "");
}

TEST_F(ModemOutputTest, TextDropsItsLastCharacterForCtrlZThenEsc) {
  struct Case {
    std::string text;
    std::vector<int> bytes;
  };
  const std::vector<Case> cases = {
      {"ABC ", {0x41, 0x42, 0x43, 0x1A, 0x1B, 0x00}},
      {"x", {0x1A, 0x1B, 0x00}},
      {"Да\n", {0xC4, 0xE0, 0x1A, 0x1B, 0x00}},  // Windows-1251, one byte a letter
  };
  for (const Case& c : cases) {
    monitor::SendModemText(st, c.text);
    EXPECT_EQ(Message(), c.bytes) << c.text;
    EXPECT_TRUE(RestIsZero(c.bytes.size())) << c.text;
    EXPECT_EQ(st.form.StatusBar1[3].Text, "TEXT->M");
    EXPECT_EQ(st.form.StatusBar1[4].Text, "");
  }
  EXPECT_EQ(fakes.modem.LastWrite(), "\xC4\xE0\x1A\x1B");
}

// A line that is down takes nothing: no panel may claim the bytes went out.
TEST_F(ModemOutputTest, BytesTheLineRefusedAreNotShownAsSent) {
  fakes.modem.down = true;
  st.form.StatusBar1[3].Text = "Read SMS 3";
  EXPECT_FALSE(monitor::SendModemCommand(st, "AT"));
  EXPECT_FALSE(monitor::SendModemText(st, "+1R "));
  EXPECT_EQ(st.form.StatusBar1[3].Text, "Read SMS 3");
  EXPECT_TRUE(fakes.modem.writes.empty());

  fakes.modem.down = false;
  EXPECT_TRUE(monitor::SendModemCommand(st, "AT"));
  EXPECT_EQ(st.form.StatusBar1[3].Text, "-->M");
  EXPECT_TRUE(monitor::SendModemText(st, "+1R "));
  EXPECT_EQ(st.form.StatusBar1[3].Text, "TEXT->M");
}

TEST_F(ModemOutputTest, SecondMessageLeavesNothingOfALongerFirst) {
  monitor::SendModemCommand(st, "AT+CMGR=1234567");
  monitor::SendModemCommand(st, "AT");
  EXPECT_EQ(Message(), (std::vector<int>{0x41, 0x54, 0x0D, 0x0A, 0x00}));
  EXPECT_TRUE(RestIsZero(4));
}

TEST_F(ModemOutputTest, OverLongTextsAreCutToTheBufferAndEmptyTextSendsNothing) {
  monitor::SendModemCommand(st, std::string(400, 'A'));
  EXPECT_EQ(st.core.ModemTxBuffer[297], 'A');
  EXPECT_EQ(st.core.ModemTxBuffer[298], 0x0D);
  EXPECT_EQ(st.core.ModemTxBuffer[299], 0x0A);
  EXPECT_EQ(st.core.ModemTxBuffer[300], 0x00);
  EXPECT_EQ(fakes.modem.writes.back().size(), 300u);

  monitor::SendModemText(st, std::string(400, 'B'));
  EXPECT_EQ(st.core.ModemTxBuffer[297], 'B');
  EXPECT_EQ(st.core.ModemTxBuffer[298], 0x1A);
  EXPECT_EQ(st.core.ModemTxBuffer[299], 0x1B);
  EXPECT_EQ(st.core.ModemTxBuffer[300], 0x00);

  const auto writes = fakes.modem.writes.size();
  monitor::SendModemText(st, "");
  EXPECT_EQ(fakes.modem.writes.size(), writes);
  EXPECT_EQ(st.core.ModemTxBuffer[298], 0x1A);
}

TEST_F(ModemOutputTest, FirstSendOpensThePortsOnceAndTheTickDoesNotReopen) {
  st.form.Timer2.Enabled = false;
  monitor::SendModemCommand(st, "AT");
  EXPECT_TRUE(st.state.PortOpen);
  EXPECT_EQ(st.core.PortName, "com1");
  EXPECT_TRUE(st.form.Timer2.Enabled);
  EXPECT_EQ(fakes.modem.open_calls, 1);
  EXPECT_EQ(fakes.rs485.open_calls, 1);

  monitor::Timer3Timer(st);
  EXPECT_EQ(fakes.modem.open_calls, 1);
  EXPECT_EQ(fakes.rs485.open_calls, 1);
}

}  // namespace
