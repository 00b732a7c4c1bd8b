#include "links/modem_job.h"

#include "links/modem_rx.h"
#include "links/read_answer.h"
#include "monitor/modem_output.h"

namespace links {
namespace {

// A job command went out: the "answered" lamp off, the "in progress" lamp on.
void ShowJobInProgress(monitor::Station& st) {
  st.form.Image[monitor::kModemAnsweredLamp].Visible = false;
  st.form.Image[monitor::kJobLamp].Visible = true;
}

// A job command goes out: panel 3 names it, the lamps show it in progress. False
// when the line did not take it; the job then stays for the next tick.
bool SendJobCommand(monitor::Station& st, const std::string& command, ModemJob job) {
  if (!monitor::SendModemCommand(st, command + st.state.SmsIndex)) return false;
  st.form.StatusBar1[monitor::kModemOutPanel].Text =
      std::string(ModemJobPanelText(job)) + st.state.SmsIndex;
  ShowJobInProgress(st);
  st.state.StatusClearCountdown = monitor::kStatusClearTicks;
  return true;
}

}  // namespace

void DispatchModemJob(monitor::Station& st, LinkState& link) {
  auto& s = st.state;
  ModemJob& job = link.modem.ModemRequest;
  // The modem would take the job's command into the SMS text it waits for; the job
  // goes out at the first tick after the text.
  if (!monitor::ModemTakesCommands(st)) return;
  StartNotifiedRead(st, link.modem);
  if (job == ModemJob::ReadQueued) {
    if (s.SmsIndex.empty() || s.SmsIndex == "0") s.SmsIndex = "1";
    ClearModemRxBuffer(link);
    StartReadAnswer(link);
    if (SendJobCommand(st, "AT+CMGR=", job)) job = ModemJob::Reading;
  }
  if (job == ModemJob::DeleteQueued) {
    if (SendJobCommand(st, "AT+CMGD=", job)) job = ModemJob::Idle;
  }
}

}  // namespace links
