#include "links/modem_menu.h"

#include <string>

#include "links/modem_rx.h"
#include "monitor/modem_output.h"
#include "monitor/phone_number.h"

namespace links {
namespace {

// A command typed by the operator ends a running sweep and restarts the idle count.
void StopSweep(monitor::Station& st, LinkState& link) {
  link.modem.SmsScanIdleTicks = 0;
  st.state.SmsScanSlot = 0;
}

// "Читать SMS" and "Удалить SMS": asks for the slot (Cancel gives "1") and queues the job.
void QueueSlotJob(monitor::Station& st, LinkState& link, const std::string& caption, ModemJob job) {
  StopSweep(st, link);
  const std::string slot =
      st.ports.dialogs.Input(caption, " Введите номер SMS ", "1").value_or("1");
  ClearModemRxBuffer(link);
  st.state.SmsIndex = slot;
  link.modem.ModemRequest = job;
  st.form.Timer1.Enabled = true;
}

}  // namespace

void SMS2Click(monitor::Station& st, LinkState& link) {
  QueueSlotJob(st, link, "Чтение SMS", ModemJob::ReadQueued);
}

void SMS3Click(monitor::Station& st, LinkState& link) {
  QueueSlotJob(st, link, "Удаление SMS", ModemJob::DeleteQueued);
}

void N17Click(monitor::Station& st, LinkState&) {
  monitor::SendModemCommand(st, "AT+CPBR=1");
}

// Writes the typed number as SIM phone-book entry 1, international, named VESK.
void N18Click(monitor::Station& st, LinkState& link) {
  StopSweep(st, link);
  const auto number =
      st.ports.dialogs.Input("Записать в телефонную книгу", " введите 10 значный номер", "");
  if (!number || !monitor::PhoneSet(*number)) {
    st.ports.dialogs.Inform("Введите 10 значный номер", "Ошибка ввода", common::BoxIcon::Error);
    return;
  }
  monitor::SendModemCommand(st, "AT+CPBW=1,\"+7" + *number + "\",145,\"VESK\"");
}

void AT1Click(monitor::Station& st, LinkState&) {
  monitor::SendModemCommand(st, "AT");
}

void N7Click(monitor::Station& st, LinkState&) {
  monitor::SendModemCommand(st, "ATE0");
}

void N8Click(monitor::Station& st, LinkState& link) {
  monitor::SendModemCommand(st, "ATZ");
  ClearModemRxBuffer(link);
}

void ReadSMS1Click(monitor::Station& st, LinkState&) {
  st.state.SmsScanSlot = kSweepFirstSlot;
}

// Sends the typed text as it stands; an empty or cancelled box sends CR LF alone.
void N19Click(monitor::Station& st, LinkState& link) {
  StopSweep(st, link);
  const auto text = st.ports.dialogs.Input("Передать команду", " введите фразу", "");
  monitor::SendModemCommand(st, text.value_or(""));
}

}  // namespace links
