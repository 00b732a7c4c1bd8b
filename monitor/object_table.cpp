#include "monitor/object_table.h"

namespace monitor {

void ShowChannelPhones(Station& st) {
  for (int k = 1; k <= kLastRs485Channel; ++k) st.state.ChannelPhone[k] = "RS485";
  for (int k = 1; k <= kChannels; ++k)
    st.form.StringGrid3.Cells(kPhoneColumn, k) = st.state.ChannelPhone[k];
}

void ShowChannelCaptions(Station& st) {
  for (int c = 1; c <= kChannels; ++c)
    st.form.GroupBox[c].Caption = st.form.StringGrid3.Cells(kObjectNameColumn, c);
}

}  // namespace monitor
