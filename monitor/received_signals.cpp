#include "monitor/received_signals.h"

#include <utility>

#include "common/clock.h"

namespace monitor {
namespace {

void ApplySet(Station& st, ReceivedSignals& set) {
  const int c = set.Channel;
  set.NewData = false;
  TStringGrid& signals = st.form.StringGrid1;
  for (int s = 1; s <= kSignalsPerChannel; ++s) {
    const int row = SignalRow(c, s);
    const bool on = static_cast<int>(set.Bits.size()) >= s && set.Bits[s - 1] == '1';
    if (on) {
      signals.SetCell(kStatusColumn, row, "Вкл");
      signals.SetCell(kTimeColumn, row, common::FormatTime(st.ports.clock.Now()));
    } else {
      signals.SetCell(kStatusColumn, row, "");
    }
  }
  st.core.ChannelStamp[c] = set.Word;
  if (st.core.PlanChannel == c) {
    for (int s = 1; s <= kSignalsPerChannel; ++s) {
      st.form.StringGrid2.SetCell(kStatusColumn, s,
                                  std::as_const(signals).Cells(kStatusColumn, SignalRow(c, s)));
    }
  }
}

}  // namespace

void ApplyReceivedSignals(Station& st) {
  if (IsRs485Channel(st.state.RxRs485.Channel)) ApplySet(st, st.state.RxRs485);
  if (IsGsmChannel(st.state.RxGsm.Channel)) ApplySet(st, st.state.RxGsm);
}

}  // namespace monitor
