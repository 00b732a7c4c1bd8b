#include "links/timer1_timer.h"

#include "links/modem_job.h"
#include "links/rs485_poll.h"

namespace links {

void Timer1Timer(monitor::Station& st, LinkState& link) {
  st.form.Timer1.Enabled = false;
  PollStep(st, link);
  DispatchModemJob(st, link);  // the pending modem job
  FinishPollTick(st, link);    // panel 2, interval, Timer1 on
}

}  // namespace links
