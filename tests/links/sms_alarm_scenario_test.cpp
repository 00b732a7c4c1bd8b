// A signal comes on in the main cycle, and the alarm SMS goes to both support
// phones on the Timer5 ticks of its schedule.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "links/timer2_timer.h"
#include "links/timer5_timer.h"
#include "tests/monitor/cycle_fixture.h"

namespace {

struct AlarmScenarioTest : testing_support::CycleTest {
  links::LinkState link;

  // One receive tick that reads these bytes from the modem line.
  void Receive(const std::string& bytes) {
    fakes.modem.arrivals.emplace_back(bytes.begin(), bytes.end());
    links::Timer2Timer(st, link);
  }
};

TEST_F(AlarmScenarioTest, SignalComingOnSendsTheAlarmSmsToBothSupportPhones) {
  st.form.Edit2.Text = "9123456789";
  st.form.Edit19.Text = "9876543210";
  st.state.ModemReady = true;
  ReceiveRs485(2, {5}, 0x0800);
  Pass();
  ASSERT_TRUE(st.form.Timer5.Enabled);
  ASSERT_TRUE(st.state.SmsAlarmArmed);
  const std::string event_lines = Archive();

  std::map<int, std::vector<std::string>> sends;
  for (int tick = 1; tick <= 101; ++tick) {
    ASSERT_TRUE(st.form.Timer5.Enabled);
    const std::size_t before = fakes.modem.writes.size();
    links::Timer5Timer(st, link);
    for (std::size_t i = before; i < fakes.modem.writes.size(); ++i) {
      sends[tick].emplace_back(fakes.modem.writes[i].begin(), fakes.modem.writes[i].end());
      // The modem's prompt, then its answer to the SMS it sent.
      const std::string& sent = sends[tick].back();
      Receive(sent.starts_with("AT+CMGS=") ? "\r\n> " : "\r\n+CMGS: 7\r\n\r\nOK\r\n");
    }
  }
  const std::map<int, std::vector<std::string>> expected = {{50, {"AT+CMGS=+79123456789\r\n"}},
                                                            {55, {" 02-05\x1A\x1B"}},
                                                            {95, {"AT+CMGS=+79876543210\r\n"}},
                                                            {98, {" 02-05\x1A\x1B"}}};
  EXPECT_EQ(sends, expected);
  EXPECT_EQ(Archive(),
            event_lines +
                "05.03.2026 14:07:09 Отправлен SMS запрос на телефон поддержки : 9123456789\r\n"
                "05.03.2026 14:07:09 Отправлен SMS запрос на телефон поддержки : 9876543210\r\n");
  EXPECT_EQ(Journal(6, 1), "");
  EXPECT_FALSE(st.state.SmsAlarmArmed);
  EXPECT_EQ(st.form.Gauge1.Progress, 0);
}

}  // namespace
