#include "monitor/alarm_sms.h"

namespace monitor {

void CancelAlarmSms(Station& st) {
  st.state.SmsAlarmArmed = false;
  st.state.SmsSendProgress = 0;
  st.form.Gauge1.Progress = 0;
  st.state.SmsAlarmText.clear();
  for (int row = 1; row <= 40; ++row) st.form.StringGrid7.Cells(6, row).clear();
}

}  // namespace monitor
