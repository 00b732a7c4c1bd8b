#include "monitor/main_cycle.h"

#include <string>
#include <utility>

#include "common/text.h"
#include "monitor/daily_archive.h"
#include "monitor/indicators.h"
#include "monitor/modem_output.h"
#include "monitor/received_signals.h"
#include "monitor/settings.h"
#include "monitor/signal_event.h"

namespace monitor {
namespace {

// CurStatus can differ from the signal table only when the table has been
// written since it was taken: otherwise the 256 cells are left unread.
void TakeStatusSnapshot(Station& st) {
  const TStringGrid& signals = st.form.StringGrid1;
  SharedState& s = st.state;
  if (s.CurStatusTakenAt == signals.Writes()) return;
  s.CurStatusTakenAt = signals.Writes();
  for (int r = 1; r <= kSignalRows; ++r) {
    std::string status = common::FirstChars(signals.Cells(2, r), 3);
    if (status == s.CurStatus[r]) continue;
    s.CurStatus[r] = std::move(status);
    s.StatusChangesHandled = false;
  }
}

// Once every change has been handled, none is left to find until CurStatus
// changes. An error that ends a row's event leaves the later rows to the next pass.
void HandleStatusChanges(Station& st) {
  if (st.state.StatusChangesHandled) return;
  for (int r = 1; r <= kSignalRows; ++r) {
    if (st.state.CurStatus[r] != st.state.PrevStatus[r]) HandleSignalEvent(st, r);
  }
  st.state.StatusChangesHandled = true;
}

// Keeps the 30 newest received SMS: entries arrive at the top.
void TrimReceivedSmsList(Station& st) {
  auto& items = st.form.ComboBox2.Items;
  if (items.size() > 30) items.erase(items.begin() + 30);
}

// Until the modem answers, every 30th pass repeats "AT" (not while polling runs,
// nor into an SMS text the modem waits for) and reminds the operator.
void RepeatModemAt(Station& st) {
  if (st.state.ModemReady != 0) return;
  if (++st.state.OperatorReminderTicks != 30) return;
  st.state.OperatorReminderTicks = 0;
  if (st.state.Rs485State != "ПУСК" && ModemTakesCommands(st)) SendModemCommand(st, "AT");
  st.form.StatusBar1[5].Text = "Выберите фамилию оператора из списка!";
}

void CountDownStatusClear(Station& st) {
  if (st.state.StatusClearCountdown <= 0) return;
  if (--st.state.StatusClearCountdown != 1) return;
  st.form.StatusBar1[3].Text.clear();
  st.form.StatusBar1[4].Text.clear();
  st.form.Image[19].Visible = false;
}

}  // namespace

void RunMainCycle(Station& st) {
  if (st.state.RxRs485.NewData == 1 || st.state.RxGsm.NewData == 1) ApplyReceivedSignals(st);
  TakeStatusSnapshot(st);
  for (int c = 1; c <= kChannels; ++c) {
    if (st.state.ChannelStamp[c] != st.state.ShownStamp[c]) ShowChannelSignals(st, c);
  }
  for (int c = 1; c <= kChannels; ++c) UpdateLinkFrame(st, c);
  SyncOutputCheckBoxes(st);  // each call covers every channel: a second would change nothing
  PrepareDailyArchive(st);
  HandleStatusChanges(st);
  for (int slot = 0; slot <= 16; ++slot) ChargeSmsCost(st, slot);
  TrimReceivedSmsList(st);
  RepeatModemAt(st);
  CountDownStatusClear(st);
  st.form.Timer3.Enabled = true;
}

}  // namespace monitor
