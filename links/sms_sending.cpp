#include "links/sms_sending.h"

#include "links/alarm_schedule.h"
#include "links/control_sms.h"
#include "links/siren.h"
#include "monitor/alarm_sms.h"

namespace links {

void Timer5Timer(monitor::Station& st, LinkState& link) {
  st.form.Timer5.Enabled = false;  // 1
  SendControlSms(st, link.sms);    // 2
  RunAlarmSchedule(st, link);      // 3
  SoundSiren(st);                  // 4
  st.form.Timer5.Enabled = true;   // 5
}

void BitBtn17Click(monitor::Station& st, LinkState&) {
  st.state.SmsScanSlot = 0;     // 1
  monitor::CancelAlarmSms(st);  // 2
  st.state.SirenOn = 0;         // 3
}

}  // namespace links
