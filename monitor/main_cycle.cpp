#include "monitor/main_cycle.h"

#include "common/text.h"
#include "monitor/charge_sms_cost.h"
#include "monitor/daily_archive.h"
#include "monitor/indicators.h"
#include "monitor/modem_output.h"
#include "monitor/received_signals.h"
#include "monitor/signal_event.h"

namespace monitor {
namespace {

constexpr std::size_t kKeptSms = 30;
// About every 7.5 s while the modem has not answered.
constexpr std::uint8_t kModemRetryPasses = 30;

void TakeStatusSnapshot(Station& st) {
  for (int r = 1; r <= kSignalRows; ++r) {
    st.core.CurStatus[r] = common::FirstChars(st.form.StringGrid1.Cells(kStatusColumn, r), 3);
  }
}

// Keeps the newest received SMS: entries arrive at the top.
void TrimReceivedSmsList(Station& st) {
  auto& items = st.form.ComboBox2.Items;
  if (items.size() > kKeptSms) items.erase(items.begin() + kKeptSms);
}

// Until the modem answers, every 30th pass repeats "AT" (not while polling runs,
// nor into an SMS text the modem waits for) and reminds the operator.
void RepeatModemAt(Station& st) {
  if (st.state.ModemReady) return;
  if (++st.core.OperatorReminderTicks != kModemRetryPasses) return;
  st.core.OperatorReminderTicks = 0;
  if (st.state.Rs485State != Rs485Polling::Running && ModemTakesCommands(st))
    SendModemCommand(st, "AT");
  st.form.StatusBar1[kEventPanel].Text = "Выберите фамилию оператора из списка!";
}

void CountDownStatusClear(Station& st) {
  if (st.state.StatusClearCountdown <= 0) return;
  if (--st.state.StatusClearCountdown != 1) return;
  st.form.StatusBar1[kModemOutPanel].Text.clear();
  st.form.StatusBar1[kModemInPanel].Text.clear();
  st.form.Image[kJobLamp].Visible = false;
}

}  // namespace

void RunMainCycle(Station& st) {
  if (st.state.RxRs485.NewData || st.state.RxGsm.NewData) ApplyReceivedSignals(st);
  TakeStatusSnapshot(st);
  for (int c = 1; c <= kChannels; ++c) {
    if (st.core.ChannelStamp[c] != st.core.ShownStamp[c]) ShowChannelSignals(st, c);
  }
  for (int c = 1; c <= kChannels; ++c) UpdateLinkFrame(st, c);
  for (int i = 0; i < 16; ++i) SyncOutputCheckBoxes(st);
  PrepareDailyArchive(st);
  for (int r = 1; r <= kSignalRows; ++r) {
    if (st.core.CurStatus[r] != st.core.PrevStatus[r]) HandleSignalEvent(st, r);
  }
  for (int slot = 0; slot <= kSmsChargeRing; ++slot) ChargeSmsCost(st, slot);
  TrimReceivedSmsList(st);
  RepeatModemAt(st);
  CountDownStatusClear(st);
  st.form.Timer3.Enabled = true;
}

}  // namespace monitor
