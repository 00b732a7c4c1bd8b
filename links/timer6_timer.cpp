#include "links/timer6_timer.h"

#include "links/alarm_schedule.h"
#include "links/modem_job.h"
#include "links/sms_outcome.h"
#include "monitor/modem_gate.h"

namespace links {

void Timer6Timer(monitor::Station& st, LinkState& link) {
  auto& s = st.state;
  ModemState& modem = link.modem;
  st.form.Timer6.Enabled = false;
  if (monitor::GiveUpOwedAnswers(st)) JobLostItsAnswer(st, link);
  AgeAwaitedSms(st, link);
  if (modem.ModemRequest == ModemJob::Idle && s.SmsScanSlot == 0) {
    ++modem.SmsScanIdleTicks;
  } else {
    modem.SmsScanIdleTicks = 0;
  }
  if (modem.SmsScanIdleTicks > kSweepIdleTicks) {
    modem.SmsScanIdleTicks = 0;
    s.SmsScanSlot = kSweepFirstSlot;
  }
  if (s.SmsScanSlot > 0 && modem.ModemRequest == ModemJob::Idle &&
      s.SmsSendProgress < kSweepHoldStep) {
    s.SmsIndex = std::to_string(s.SmsScanSlot);
    modem.ModemRequest = ModemJob::ReadQueued;
    st.form.Timer1.Enabled = true;
    --s.SmsScanSlot;
    s.StatusClearCountdown = monitor::kStatusClearTicks;
  }
  st.form.Timer6.Enabled = true;
}

}  // namespace links
