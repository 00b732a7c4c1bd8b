#include "monitor/alarm_sms.h"

#include "monitor/journal.h"

namespace monitor {

void CancelAlarmSms(Station& st) {
  st.state.SmsAlarmArmed = false;
  st.state.SmsSendProgress = 0;
  st.form.Gauge1.Progress = 0;
  st.state.SmsAlarmText.clear();
  ClearSmsMarks(st.form);
}

}  // namespace monitor
