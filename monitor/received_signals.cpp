#include "monitor/received_signals.h"

#include "common/clock.h"

namespace monitor {
namespace {

void ApplySet(Station& st, ReceivedSignals& set) {
  const int c = set.Channel;
  set.NewData = false;
  TStringGrid& signals = st.form.StringGrid1;
  for (int s = 1; s <= 16; ++s) {
    const int row = SignalRow(c, s);
    const bool on = static_cast<int>(set.Bits.size()) >= s && set.Bits[s - 1] == '1';
    if (on) {
      signals.Cells(2, row) = "Вкл";
      signals.Cells(3, row) = common::FormatTime(st.ports.clock.Now());
    } else {
      signals.Cells(2, row).clear();
    }
  }
  st.core.ChannelStamp[c] = set.Word;
  if (st.core.PlanChannel == c) {
    for (int s = 1; s <= 16; ++s)
      st.form.StringGrid2.Cells(2, s) = signals.Cells(2, SignalRow(c, s));
  }
}

}  // namespace

void ApplyReceivedSignals(Station& st) {
  if (st.state.RxRs485.Channel >= 1 && st.state.RxRs485.Channel <= 4)
    ApplySet(st, st.state.RxRs485);
  if (st.state.RxGsm.Channel >= 5 && st.state.RxGsm.Channel <= 16) ApplySet(st, st.state.RxGsm);
}

}  // namespace monitor
