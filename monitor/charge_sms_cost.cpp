#include "monitor/charge_sms_cost.h"

#include "common/numbers.h"
#include "monitor/save_settings.h"
#include "monitor/settings_files.h"
#include "monitor/startup_files.h"

namespace monitor {

void ChargeSmsCost(Station& st, int slot) {
  const int c = st.state.SmsChargeQueue[slot];
  st.state.SmsChargeQueue[slot] = 0;
  if (c == 0 || c > kChannels || st.state.ChannelPhone[c].empty()) return;
  std::string& balance = st.form.StringGrid3.Cells(kBalanceColumn, c);
  if (balance.empty()) balance = "0";
  const double b = common::StrToFloat(balance);
  if (st.form.Edit1.Text.empty()) st.form.Edit1.Text = "1";
  const double p = common::StrToFloat(st.form.Edit1.Text);
  balance = common::FloatToStr(b - p);
  // A tab5.txt that the start-up could not take in is not replaced by a table it
  // may not have filled: the save command writes it.
  if (!FileStepFailed(st, kBalancesFile)) SaveBalances(st);
}

}  // namespace monitor
