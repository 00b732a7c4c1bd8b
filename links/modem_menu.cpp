#include "links/modem_menu.h"

#include <string>
#include <utility>

#include "links/held_commands.h"
#include "links/modem_rx.h"
#include "monitor/phone_number.h"

namespace links {
namespace {

// A menu's command line.
HeldCommand Line(std::string text, bool clears_receive_buffer = false) {
  return {std::move(text), clears_receive_buffer, std::nullopt};
}

// A command typed by the operator ends a running sweep and restarts the idle count.
void StopSweep(monitor::Station& st, LinkState& link) {
  link.modem.SmsScanIdleTicks = 0;
  st.state.SmsScanSlot = 0;
}

// "Читать SMS" and "Удалить SMS": asks for the slot (Cancel gives "1") and queues
// the job in place of the one pending. A delete in hand is done first: dropped,
// it would leave a report already applied to be read and charged again.
void QueueSlotJob(monitor::Station& st, LinkState& link, const std::string& caption, ModemJob job) {
  StopSweep(st, link);
  const std::string slot =
      st.ports.dialogs.Input(caption, " Введите номер SMS ", "1").value_or("1");
  ClearModemRxBuffer(link);
  ModemState& modem = link.modem;
  if (modem.ModemRequest == ModemJob::DeleteQueued || modem.ModemRequest == ModemJob::Deleting) {
    modem.menu = {job, slot};
  } else {
    st.state.SmsIndex = slot;
    modem.ModemRequest = job;
    modem.DeleteTries = 0;
  }
  st.form.Timer1.Enabled = true;
}

}  // namespace

void SMS2Click(monitor::Station& st, LinkState& link) {
  QueueSlotJob(st, link, "Чтение SMS", ModemJob::ReadQueued);
}

void SMS3Click(monitor::Station& st, LinkState& link) {
  QueueSlotJob(st, link, "Удаление SMS", ModemJob::DeleteQueued);
}

void N17Click(monitor::Station& st, LinkState& link) {
  SendOperatorCommand(st, link, Line("AT+CPBR=1"));
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
  SendOperatorCommand(st, link, Line("AT+CPBW=1,\"+7" + *number + "\",145,\"VESK\""));
}

void AT1Click(monitor::Station& st, LinkState& link) {
  SendOperatorCommand(st, link, Line("AT"));
}

void N7Click(monitor::Station& st, LinkState& link) {
  SendOperatorCommand(st, link, Line("ATE0"));
}

void N8Click(monitor::Station& st, LinkState& link) {
  SendOperatorCommand(st, link, Line("ATZ", true));
}

void ReadSMS1Click(monitor::Station& st, LinkState&) {
  st.state.SmsScanSlot = kSweepFirstSlot;
}

// Sends the typed text as it stands; an empty or cancelled box sends CR LF alone.
void N19Click(monitor::Station& st, LinkState& link) {
  StopSweep(st, link);
  const auto text = st.ports.dialogs.Input("Передать команду", " введите фразу", "");
  SendOperatorCommand(st, link, Line(text.value_or("")));
}

}  // namespace links
