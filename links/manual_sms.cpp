#include "links/manual_sms.h"

#include "common/line_file.h"
#include "monitor/modem_output.h"
#include "monitor/phone_number.h"

namespace links {

void SMS1Click(monitor::Station& st, LinkState& link) {
  link.modem.SmsScanIdleTicks = 0;
  st.state.SmsScanSlot = 0;
  const auto file = st.File("tsms.txt");
  std::string number;
  std::string text;
  if (common::FileExists(file)) {
    const common::LineFile last = common::ReadLineFile(file);
    number = last.Line(0);
    text = last.Line(1);
  }
  const auto typed_number =
      st.ports.dialogs.Input("Отправка SMS шаг 1", "Введите 10 значный номер", number);
  if (!typed_number || !monitor::PhoneSet(*typed_number)) return;
  number = *typed_number;
  monitor::SendSmsCommand(st, number, monitor::SmsPrompt::Manual);
  const auto typed_text =
      st.ports.dialogs.Input("Отправка SMS шаг 2", "Введите текст сообщения ", text);
  if (typed_text) {
    text = *typed_text;
    monitor::SendModemText(st, text + " ");
  } else if (st.state.ModemPrompt == monitor::SmsPrompt::Manual) {
    monitor::CloseSmsPrompt(st);  // no text comes: the modem must not wait for one
  }
  st.form.StatusBar1[monitor::kEventPanel].Text = " Отправка SMS " + number;
  common::WriteLineFile(file, {number, text});
}

}  // namespace links
