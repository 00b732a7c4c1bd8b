#include "monitor/indicators.h"

namespace monitor {

void ShowChannelSignals(Station& st, int channel) {
  for (int s = 1; s <= 16; ++s) {
    const int r = SignalRow(channel, s);
    const bool lit = !st.form.StringGrid1.Cells(2, r).empty();
    st.form.Shape[r].Brush = !lit ? clBtnFace : s <= 12 ? clRed : clGreen;
  }
  st.core.ShownStamp[channel] = st.core.ChannelStamp[channel];
}

void UpdateLinkFrame(Station& st, int channel) {
  const int threshold = channel <= 8 ? 50 : 100;
  std::uint8_t& age = st.state.LinkAge[channel];
  if (age > threshold) st.form.GroupBox[channel].Background = clBtnFace;
  if (age == 0) st.form.GroupBox[channel].Background = clYellow;
  if (age > 100) age = 101;
}

void SyncOutputCheckBoxes(Station& st) {
  for (int c = 5; c <= kChannels; ++c) {
    if (st.state.OutputChanged[c].P1) st.form.Timer5.Enabled = true;
  }
  for (int c = 5; c <= kChannels; ++c) {
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
