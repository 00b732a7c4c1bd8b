#include "common/numbers.h"
#include "monitor/settings.h"

namespace monitor {

void ChargeSmsCost(Station& st, int slot) {
  const int c = st.state.SmsChargeQueue[slot];  // 1
  st.state.SmsChargeQueue[slot] = 0;
  if (c == 0 || c > kChannels || st.state.ChannelPhone[c].empty()) return;  // 2
  std::string& balance = st.form.StringGrid3.Cells(3, c);
  if (balance.empty()) balance = "0";                        // 3
  const double b = common::StrToFloat(balance);              // 4
  if (st.form.Edit1.Text.empty()) st.form.Edit1.Text = "1";  // 5
  const double p = common::StrToFloat(st.form.Edit1.Text);
  balance = common::FloatToStr(b - p);  // 6
  SaveBalances(st);                     // 7
}

}  // namespace monitor
