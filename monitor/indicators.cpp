#include "monitor/indicators.h"

#include <utility>

namespace monitor {
namespace {

// A frame turns grey once its channel's link age passes its limit: 50 poll
// requests for the panels of the upper two rows, 100 for the lower two.
constexpr int kUpperRowsLastChannel = 8;
constexpr int kUpperRowsLinkLimit = 50;
constexpr int kLowerRowsLinkLimit = 100;
// Ages past the higher limit are held here, so the one-byte age never wraps to 0.
constexpr std::uint8_t kHeldLinkAge = 101;
// A lit indicator is red for signals 1..12 and green for 13..16.
constexpr int kLastRedSignal = 12;

}  // namespace

void ShowChannelSignals(Station& st, int channel) {
  for (int s = 1; s <= kSignalsPerChannel; ++s) {
    const int r = SignalRow(channel, s);
    const bool lit = !std::as_const(st.form.StringGrid1).Cells(kStatusColumn, r).empty();
    st.form.Shape[r].Brush = !lit ? clBtnFace : s <= kLastRedSignal ? clRed : clGreen;
  }
  st.core.ShownStamp[channel] = st.core.ChannelStamp[channel];
}

void UpdateLinkFrame(Station& st, int channel) {
  const int limit = channel <= kUpperRowsLastChannel ? kUpperRowsLinkLimit : kLowerRowsLinkLimit;
  std::uint8_t& age = st.state.LinkAge[channel];
  if (age > limit) st.form.GroupBox[channel].Background = clBtnFace;
  if (age == 0) st.form.GroupBox[channel].Background = clYellow;
  if (age >= kHeldLinkAge) age = kHeldLinkAge;
}

void SyncOutputCheckBoxes(Station& st) {
  for (int c = kFirstGsmChannel; c <= kChannels; ++c) {
    if (st.state.OutputChanged[c].P1) st.form.Timer5.Enabled = true;
  }
  for (int c = kFirstGsmChannel; c <= kChannels; ++c) {
    if (st.state.OutputChanged[c].P2) st.form.Timer5.Enabled = true;
  }
  for (int c = 1; c <= kChannels; ++c) {
    st.state.OutputCmd[c].P1 = st.form.CheckBox[OutputBoxP1(c)].Checked;
    st.state.OutputCmd[c].P2 = st.form.CheckBox[OutputBoxP2(c)].Checked;
  }
  for (int c = 1; c <= kChannels; ++c) {
    st.form.CheckBox[OutputBoxP1(c)].Background = st.state.OutputState[c].P1 ? clRed : clBtnFace;
    st.form.CheckBox[OutputBoxP2(c)].Background = st.state.OutputState[c].P2 ? clRed : clBtnFace;
  }
}

void OutputCheckBoxClick(Station& st, int box) {
  const int channel = (box - 16) / 2;
  const bool checked = st.form.CheckBox[box].Checked;
  if (box == OutputBoxP1(channel)) {
    st.state.OutputChanged[channel].P1 = true;
    st.state.OutputCmd[channel].P1 = checked;
  } else {
    st.state.OutputChanged[channel].P2 = true;
    st.state.OutputCmd[channel].P2 = checked;
  }
}

}  // namespace monitor
