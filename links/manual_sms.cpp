#include "links/manual_sms.h"

#include <utility>

#include "common/line_file.h"
#include "links/held_commands.h"
#include "links/sms_outcome.h"
#include "monitor/modem_gate.h"
#include "monitor/modem_output.h"
#include "monitor/phone_number.h"

namespace links {
namespace {

// The text step: the text goes after its own prompt, or waits for it.
void SendText(monitor::Station& st, LinkState& link, ManualSms sms) {
  const monitor::SmsText sent =
      monitor::SendSmsText(st, monitor::SmsOwner::Manual, *sms.text, true);
  FollowSmsText(st, link, monitor::SmsOwner::Manual, sms.number, sent);
  if (sent == monitor::SmsText::Waiting) link.sms.ManualInFlight = std::move(sms);
}

}  // namespace

void SMS1Click(monitor::Station& st, LinkState& link) {
  link.modem.SmsScanIdleTicks = 0;
  st.state.SmsScanSlot = 0;
  const auto file = st.File("tsms.txt");
  std::string number;
  std::string text;
  if (common::NonFolderExists(file)) {  // a pipe or a device is refused, not taken for missing
    const common::LineFile last = common::ReadLineFile(file);
    number = last.Line(0);
    text = last.Line(1);
  }
  const auto typed_number =
      st.ports.dialogs.Input("Отправка SMS шаг 1", "Введите 10 значный номер", number);
  if (!typed_number || !monitor::PhoneSet(*typed_number)) return;
  number = *typed_number;
  SendOperatorCommand(st, link, {"AT+CMGS=+7" + number, false, ManualSms{number, std::nullopt}});
  const auto typed_text =
      st.ports.dialogs.Input("Отправка SMS шаг 2", "Введите текст сообщения ", text);
  if (typed_text) {
    text = *typed_text;
    if (ManualSms* held = HeldManualSms(link)) {
      held->text = text + " ";  // it follows its command, which still waits
    } else {
      SendText(st, link, {number, text + " "});
    }
  } else {
    if (HeldManualSms(link) != nullptr) {
      DropHeldManualSms(link);
    } else if (st.state.gate.owner == monitor::SmsOwner::Manual) {
      monitor::CloseSmsPrompt(st);  // no text comes: the modem must not wait for one
    }
    st.form.StatusBar1[monitor::kEventPanel].Text = " Отправка SMS " + number;
  }
  common::WriteLineFile(file, {number, text});
}

void StartManualSms(monitor::Station& st, LinkState& link, ManualSms sms) {
  const bool taken = monitor::SendSmsCommand(st, sms.number, monitor::SmsOwner::Manual);
  if (!sms.text) return;
  if (taken) {
    link.sms.ManualInFlight = std::move(sms);
  } else {
    RecordSms(st, monitor::SmsOwner::Manual, sms.number, false);
  }
}

void SendManualSmsText(monitor::Station& st, LinkState& link) {
  if (!link.sms.ManualInFlight) return;
  ManualSms sms = std::move(*link.sms.ManualInFlight);
  link.sms.ManualInFlight.reset();
  SendText(st, link, std::move(sms));
  link.ModemTickActed = link.ModemTickActed || !link.sms.ManualInFlight;
}

}  // namespace links
