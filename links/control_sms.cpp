#include "links/control_sms.h"

#include "common/clock.h"
#include "links/sms_outcome.h"
#include "monitor/modem_gate.h"
#include "monitor/phone_number.h"

namespace links {

std::string FormatControlSms(const monitor::OutputPair& outputs) {
  const int digit = (outputs.P1 ? 1 : 0) + (outputs.P2 ? 2 : 0);
  return "+" + std::to_string(digit) + "R";
}

void SendControlSms(monitor::Station& st, LinkState& link) {
  monitor::SharedState& s = st.state;
  SmsSendState& sms = link.sms;
  ++sms.GsmChannelCursor;
  if (!monitor::IsGsmChannel(sms.GsmChannelCursor))
    sms.GsmChannelCursor = monitor::kFirstGsmChannel;
  // The modem waits for the text of the command sent on the last tick: it goes out
  // after its prompt, whatever the job and the alarm, or the next command would
  // go into it; while the prompt is still to come, nothing else goes.
  if (!s.ControlSmsText.empty()) {
    const monitor::SmsText sent =
        monitor::SendSmsText(st, monitor::SmsOwner::Control, s.ControlSmsText + " ", true);
    if (sent == monitor::SmsText::Waiting) return;
    FollowSmsText(st, link, monitor::SmsOwner::Control, sms.ControlSmsPhone, sent);
    s.ControlSmsText.clear();
    sms.GsmChannelCursor = 0;
  }
  // New commands wait for the alarm SMS, the modem job and any other SMS's text.
  if (s.SmsAlarmArmed || link.modem.ModemRequest != ModemJob::Idle ||
      !monitor::ModemTakesCommands(st))
    return;
  const int c = sms.GsmChannelCursor;
  monitor::OutputPair& changed = s.OutputChanged[c];
  if (!changed.P1 && !changed.P2) return;
  const std::string& phone = s.ChannelPhone[c];
  if (monitor::PhoneSet(phone)) {
    // A command the line did not take stays pending for the cursor's next visit.
    if (!monitor::SendSmsCommand(st, phone, monitor::SmsOwner::Control)) return;
    s.ControlSmsText = FormatControlSms(s.OutputCmd[c]);
    sms.ControlSmsPhone = phone;
    st.form.StatusBar1[monitor::kEventPanel].Text =
        common::FormatDateTime(st.ports.clock.Now()) + " Отправка SMS: " + phone;
    s.SmsScanSlot = 0;
  }
  changed = {};  // a command for a channel without a phone is dropped
}

}  // namespace links
