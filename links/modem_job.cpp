#include "links/modem_job.h"

#include <utility>

#include "common/clock.h"
#include "links/modem_rx.h"
#include "links/read_answer.h"
#include "links/sms_outcome.h"
#include "monitor/modem_gate.h"
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

// The operator's read or delete that waited for the delete in hand.
void TakeMenuJob(monitor::Station& st, ModemState& modem) {
  if (modem.ModemRequest != ModemJob::Idle || modem.menu.job == ModemJob::Idle) return;
  st.state.SmsIndex = std::move(modem.menu.slot);
  modem.ModemRequest = std::exchange(modem.menu.job, ModemJob::Idle);
}

void RetryDelete(monitor::Station& st, ModemState& modem) {
  if (++modem.DeleteTries < kDeleteTries) {
    modem.ModemRequest = ModemJob::DeleteQueued;
    st.form.Timer1.Enabled = true;
    return;
  }
  modem.ModemRequest = ModemJob::Idle;
  modem.DeleteTries = 0;
  st.form.StatusBar1[monitor::kEventPanel].Text =
      common::FormatDateTime(st.ports.clock.Now()) + " Не удалено SMS " + st.state.SmsIndex;
}

}  // namespace

void DispatchModemJob(monitor::Station& st, LinkState& link) {
  auto& s = st.state;
  ModemJob& job = link.modem.ModemRequest;
  // The modem would take the job's command into the SMS text it waits for; the job
  // goes out at the first tick after the text.
  if (!monitor::ModemTakesCommands(st)) return;
  TakeMenuJob(st, link.modem);
  StartNotifiedRead(st, link.modem);
  if (job != ModemJob::ReadQueued && job != ModemJob::DeleteQueued) return;
  // A late answer must never be taken for this job's: it waits until the modem
  // owes nothing, and after an answer was given up, until a probe came back.
  if (monitor::ModemNeedsProbe(st)) {
    if (monitor::SendProbe(st)) SmsTextsBeforeProbe(link);
    return;
  }
  if (!monitor::ModemInStep(st)) return;
  if (job == ModemJob::ReadQueued) {
    if (s.SmsIndex.empty() || s.SmsIndex == "0") s.SmsIndex = "1";
    ClearModemRxBuffer(link);
    StartReadAnswer(link);
    if (SendJobCommand(st, "AT+CMGR=", job)) job = ModemJob::Reading;
    return;
  }
  if (SendJobCommand(st, "AT+CMGD=", job)) job = ModemJob::Deleting;
}

void EndReadUnjudged(monitor::Station& st, LinkState& link) {
  link.modem.ModemRequest = ModemJob::Idle;
  StartReadAnswer(link);
  NotifiedSlotFailed(st, link.modem);
  st.form.Timer1.Enabled = true;
}

void DeleteAnswered(monitor::Station& st, LinkState& link, bool ok) {
  if (link.modem.ModemRequest != ModemJob::Deleting) return;
  if (!ok) {
    RetryDelete(st, link.modem);
    return;
  }
  link.modem.ModemRequest = ModemJob::Idle;
  link.modem.DeleteTries = 0;
  link.modem.AppliedUndeleted.erase(st.state.SmsIndex);
}

void JobLostItsAnswer(monitor::Station& st, LinkState& link) {
  if (link.modem.ModemRequest == ModemJob::Reading) EndReadUnjudged(st, link);
  if (link.modem.ModemRequest != ModemJob::Deleting) return;
  // The delete may have been done, and a new message have come into the slot
  // since: the slot is read again before anything is deleted from it.
  link.modem.ModemRequest = ModemJob::Idle;
  link.modem.DeleteTries = 0;
  QueueNotifiedSlot(st, link.modem, st.state.SmsIndex);
}

}  // namespace links
