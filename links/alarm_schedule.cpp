#include "links/alarm_schedule.h"

#include "common/clock.h"
#include "common/text.h"
#include "links/sms_outcome.h"
#include "links/transliterate.h"
#include "monitor/alarm_sms.h"
#include "monitor/archive_lines.h"
#include "monitor/journal.h"
#include "monitor/modem_gate.h"
#include "monitor/modem_output.h"
#include "monitor/phone_number.h"

namespace links {
namespace {

std::string Now(monitor::Station& st) {
  return common::FormatDateTime(st.ports.clock.Now());
}

// The command never goes into another SMS that waits for its text; like any step
// whose conditions fail, it is not made up later.
void SendAlarmCommand(monitor::Station& st, LinkState& link, const std::string& phone) {
  link.ModemRxBuffer.fill(0);
  if (monitor::ModemTakesCommands(st)) monitor::SendSmsCommand(st, phone, monitor::SmsOwner::Alarm);
  st.form.StatusBar1[monitor::kModemOutPanel].Text = phone;
}

// The text goes after the prompt of its own command, and is recorded once the
// modem has answered it; otherwise ESC goes instead, and it is recorded as not sent.
void SendAlarmText(monitor::Station& st, LinkState& link, const std::string& phone,
                   const std::string& panel) {
  const monitor::SmsText text = monitor::SendSmsText(st, monitor::SmsOwner::Alarm,
                                                     AlarmSmsBody(st.state.SmsAlarmText), false);
  link.sms.AlarmTextSent = true;
  link.sms.AlarmTextSentSize = st.state.SmsAlarmText.size();
  st.form.StatusBar1[monitor::kEventPanel].Text = Now(st) + panel + phone;
  FollowSmsText(st, link, monitor::SmsOwner::Alarm, phone, text);
}

void ServePhone1(monitor::Station& st, LinkState& link, const std::string& phone1,
                 const std::string& phone2) {
  monitor::SharedState& s = st.state;
  if (s.SmsSendProgress == kPhone1CommandStep) SendAlarmCommand(st, link, phone1);
  if (s.SmsSendProgress != kPhone1TextStep) return;
  SendAlarmText(st, link, phone1, " Отправка SMS : ");
  if (!monitor::PhoneSet(phone2)) {
    monitor::ClearSmsMarks(st.form);
    s.SmsAlarmText.clear();
    link.sms.AlarmTextSentSize = 0;
    s.SmsSendProgress = kNoPhone2Step;
  }
}

void ServePhone2(monitor::Station& st, LinkState& link, const std::string& phone2) {
  monitor::SharedState& s = st.state;
  if (s.SmsSendProgress == kPhone2CommandStep) SendAlarmCommand(st, link, phone2);
  if (s.SmsSendProgress != kPhone2TextStep) return;
  SendAlarmText(st, link, phone2, "Отправка SMS:");
  monitor::ClearSmsMarks(st.form);
  s.SmsAlarmText.clear();
  link.sms.AlarmTextSentSize = 0;
}

}  // namespace

std::string AlarmSmsBody(const std::string& alarm_text) {
  const std::string latin = TransliterateToLatin(alarm_text);
  if (common::CharCount(latin) <= monitor::kMaxModemText) return latin;
  std::string fitting;
  for (std::size_t end = latin.find('\n'); end != std::string::npos;
       end = latin.find('\n', end + 1)) {
    if (common::CharCount(std::string_view(latin).substr(0, end + 1)) > monitor::kMaxModemText) {
      break;
    }
    fitting = latin.substr(0, end + 1);
  }
  return fitting.empty() ? common::FirstChars(latin, monitor::kMaxModemText) : fitting;
}

void RunAlarmSchedule(monitor::Station& st, LinkState& link) {
  monitor::SharedState& s = st.state;
  if (!s.SmsAlarmArmed) return;
  const std::string phone1 = st.form.Edit2.Text;
  const std::string phone2 = st.form.Edit19.Text;
  if (++s.SmsSendProgress == 1) {
    link.sms.AlarmTextSent = false;  // a run starts
    link.sms.AlarmTextSentSize = 0;
  }
  if (s.ModemReady) {
    if (monitor::PhoneSet(phone1) && !s.SmsAlarmText.empty()) ServePhone1(st, link, phone1, phone2);
    if (monitor::PhoneSet(phone2) && !s.SmsAlarmText.empty()) ServePhone2(st, link, phone2);
  }
  if (s.SmsSendProgress > kLastStep) {
    s.SmsSendProgress = 0;
    // Entries added after the last text step would be lost with the schedule's
    // end; they start a schedule of their own instead.
    const bool unsent_entries =
        link.sms.AlarmTextSent && s.SmsAlarmText.size() > link.sms.AlarmTextSentSize;
    if (!unsent_entries) s.SmsAlarmArmed = false;
  }
  st.form.Gauge1.Progress = s.SmsSendProgress;
}

void BitBtn17Click(monitor::Station& st, LinkState&) {
  st.state.SmsScanSlot = 0;
  monitor::CancelAlarmSms(st);
  st.state.SirenOn = false;
}

}  // namespace links
