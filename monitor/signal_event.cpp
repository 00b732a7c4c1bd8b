#include "monitor/signal_event.h"

#include <array>
#include <utility>

#include "common/clock.h"
#include "common/text.h"
#include "monitor/alarm_sms.h"
#include "monitor/archive_lines.h"
#include "monitor/journal.h"
#include "monitor/phone_number.h"

namespace monitor {
namespace {

void RaiseAlarm(Station& st) {
  st.form.Timer5.Enabled = true;
  st.state.SirenOn = true;
  if (!PhoneSet(st.form.Edit19.Text) && !PhoneSet(st.form.Edit2.Text)) CancelAlarmSms(st);
  if (PhoneSet(st.form.Edit19.Text) || PhoneSet(st.form.Edit2.Text)) {
    if (!st.state.SmsAlarmArmed) st.state.SmsAlarmText.clear();
    st.state.SmsAlarmArmed = true;
  }
}

// Operator as the event line and the journal write it: "  ???  " while nobody is chosen.
std::string EventOperator(const ConsoleForm& form) {
  return form.ComboBox1.Text == kNoOperatorChosen ? "  ???  " : form.ComboBox1.Text;
}

}  // namespace

void HandleSignalEvent(Station& st, int r) {
  ConsoleForm& f = st.form;
  SharedState& s = st.state;
  CoreState& core = st.core;
  const int c = ChannelOfRow(r);
  f.DateTimePicker1.DateTime = st.ports.clock.Now();
  ScrollJournal(f);
  if (core.CurStatus[r] == "Вкл" && core.PrevStatus[r].empty()) RaiseAlarm(st);
  core.PrevStatus[r] = core.CurStatus[r];
  const std::string object = std::as_const(f.StringGrid3).Cells(kObjectNameColumn, c);
  const std::string status = core.CurStatus[r] == "Вкл" ? "Вкл" : "Отк";
  const std::string op = EventOperator(f);
  const std::string address =
      common::FirstChars(std::as_const(f.StringGrid1).Cells(kAddressColumn, r), 10);
  const std::string description = std::as_const(f.StringGrid1).Cells(kDescriptionColumn, r);
  const std::string line = EventLine(common::FormatDateTime(st.ports.clock.Now()), op, object,
                                     address, status, description);
  const std::array<std::string, 7> journal_row = {
      common::FormatDateTime(st.ports.clock.Now()), op, object, address, description, status, ""};
  for (int col = 0; col < 7; ++col) f.StringGrid7.Cells(col, 1) = journal_row[col];
  AppendToArchive(st, line);
  if (status == "Вкл" && s.SmsAlarmArmed) {
    if (common::CharCount(s.SmsAlarmText) < kAlarmTextLimit) s.SmsAlarmText += " " + address + "\n";
    f.StringGrid7.Cells(kJournalSmsColumn, 1) = "SMS+";
  }
  f.StatusBar1[kEventPanel].Text =
      common::FormatTime(st.ports.clock.Now()) + "   " + address + "   " + description;
}

}  // namespace monitor
