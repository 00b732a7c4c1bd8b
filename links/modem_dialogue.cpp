// The one pending modem job, run by Timer1, and the SIM sweep of Timer6.
#include "links/modem_dialogue.h"

#include "links/modem_rx.h"
#include "links/read_answer.h"
#include "monitor/modem_output.h"

namespace links {
namespace {

// A job command goes out: panel 3 names it, the lamps show it in progress. False
// when the line did not take it; the job then stays for the next tick.
bool SendJobCommand(monitor::Station& st, const std::string& command, const std::string& panel) {
  if (!monitor::SendModemCommand(st, command + st.state.SmsIndex)) return false;
  st.form.StatusBar1[3].Text = panel + st.state.SmsIndex;
  ShowJobInProgress(st);
  st.state.StatusClearCountdown = kStatusClearTicks;
  return true;
}

}  // namespace

void DispatchModemJob(monitor::Station& st, LinkState& link) {
  auto& s = st.state;
  // The modem would take the job's command into the SMS text it waits for; the job
  // goes out at the first tick after the text.
  if (!monitor::ModemTakesCommands(st)) return;
  StartNotifiedRead(st, link.modem.notified);
  if (s.ModemRequest == "newsms") {
    if (s.SmsIndex.empty() || s.SmsIndex == "0") s.SmsIndex = "1";
    ClearModemRxBuffer(link);
    StartReadAnswer(link);
    if (SendJobCommand(st, "AT+CMGR=", "Read SMS ")) s.ModemRequest = "rd";
  }
  if (s.ModemRequest == "delsms") {
    if (SendJobCommand(st, "AT+CMGD=", "Delet SMS ")) s.ModemRequest.clear();
  }
}

void Timer6Timer(monitor::Station& st, LinkState& link) {
  auto& s = st.state;
  st.form.Timer6.Enabled = false;  // 1
  EndUnansweredRead(st, link);
  if (s.ModemRequest.empty() && s.SmsScanSlot == 0) {  // 2
    ++s.SmsScanIdleTicks;
  } else {
    s.SmsScanIdleTicks = 0;
  }
  if (s.SmsScanIdleTicks > 20) {  // 3
    s.SmsScanIdleTicks = 0;
    s.SmsScanSlot = 9;
  }
  if (s.SmsScanSlot > 0 && s.ModemRequest.empty() && s.SmsSendProgress < 45) {  // 4
    s.SmsIndex = std::to_string(s.SmsScanSlot);
    s.ModemRequest = "newsms";
    st.form.Timer1.Enabled = true;
    --s.SmsScanSlot;
    s.StatusClearCountdown = kStatusClearTicks;
  }
  st.form.Timer6.Enabled = true;  // 5
}

}  // namespace links
