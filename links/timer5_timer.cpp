#include "links/timer5_timer.h"

#include "links/alarm_schedule.h"
#include "links/control_sms.h"
#include "links/siren.h"
#include "monitor/modem_gate.h"

namespace links {
namespace {

// A scheduled SMS's text follows its command within five ticks (phone 1's command
// and text steps). A prompt still open after that was abandoned (the alarm SMS
// cancelled, or its phone cleared), and the modem would hold every later command in it.
constexpr std::int32_t kScheduledPromptTicks = kPhone1TextStep - kPhone1CommandStep;

void CloseAbandonedPrompt(monitor::Station& st) {
  monitor::ModemGate& gate = st.state.gate;
  if (gate.owner != monitor::SmsOwner::Control && gate.owner != monitor::SmsOwner::Alarm) return;
  if (gate.prompt_ticks++ >= kScheduledPromptTicks) monitor::CloseSmsPrompt(st);
}

}  // namespace

void Timer5Timer(monitor::Station& st, LinkState& link) {
  st.form.Timer5.Enabled = false;
  CloseAbandonedPrompt(st);
  SendControlSms(st, link);
  RunAlarmSchedule(st, link);
  SoundSiren(st);
  st.form.Timer5.Enabled = true;
}

}  // namespace links
