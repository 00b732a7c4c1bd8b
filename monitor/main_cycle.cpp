#include "monitor/main_cycle.h"

#include <string>
#include <utility>

#include "common/text.h"
#include "monitor/charge_sms_cost.h"
#include "monitor/daily_archive.h"
#include "monitor/indicators.h"
#include "monitor/modem_gate.h"
#include "monitor/modem_output.h"
#include "monitor/received_signals.h"
#include "monitor/signal_event.h"

namespace monitor {
namespace {

constexpr std::size_t kKeptSms = 30;
// About every 7.5 s while the modem has not answered.
constexpr std::uint8_t kModemRetryPasses = 30;

// CurStatus can differ from the signal table only when the table has been
// written since it was taken: otherwise the 256 cells are left unread.
void TakeStatusSnapshot(Station& st) {
  const TStringGrid& signals = st.form.StringGrid1;
  CoreState& core = st.core;
  if (core.CurStatusTakenAt == signals.Writes()) return;
  core.CurStatusTakenAt = signals.Writes();
  for (int r = 1; r <= kSignalRows; ++r) {
    std::string status = common::FirstChars(signals.Cells(kStatusColumn, r), 3);
    if (status == core.CurStatus[r]) continue;
    core.CurStatus[r] = std::move(status);
    core.StatusChangesHandled = false;
  }
}

// Once every change has been handled, none is left to find until CurStatus
// changes. An error that ends a row's event leaves the later rows to the next pass.
void HandleStatusChanges(Station& st) {
  if (st.core.StatusChangesHandled) return;
  for (int r = 1; r <= kSignalRows; ++r) {
    if (st.core.CurStatus[r] != st.core.PrevStatus[r]) HandleSignalEvent(st, r);
  }
  st.core.StatusChangesHandled = true;
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
  SyncOutputCheckBoxes(st);  // each call covers every channel: a second would change nothing
  PrepareDailyArchive(st);
  HandleStatusChanges(st);
  for (int slot = 0; slot <= kSmsChargeRing; ++slot) ChargeSmsCost(st, slot);
  TrimReceivedSmsList(st);
  RepeatModemAt(st);
  CountDownStatusClear(st);
  st.form.Timer3.Enabled = true;
}

}  // namespace monitor
