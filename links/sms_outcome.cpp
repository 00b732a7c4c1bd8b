#include "links/sms_outcome.h"

#include "common/clock.h"
#include "monitor/archive_lines.h"

namespace links {

void FollowSmsText(monitor::Station& st, LinkState& link, monitor::SmsOwner owner,
                   const std::string& phone, monitor::SmsText text) {
  switch (text) {
    case monitor::SmsText::Written:
      link.sms.Awaited.push_back({owner, phone, 0});
      break;
    case monitor::SmsText::NotSent:
      RecordSms(st, owner, phone, false);
      break;
    case monitor::SmsText::Waiting:
      break;
  }
}

void RecordSms(monitor::Station& st, monitor::SmsOwner owner, const std::string& phone, bool sent) {
  const std::string now = common::FormatDateTime(st.ports.clock.Now());
  std::string& panel = st.form.StatusBar1[monitor::kEventPanel].Text;
  switch (owner) {
    case monitor::SmsOwner::Alarm:
      monitor::AppendToArchive(
          st, sent ? monitor::AlarmSmsLine(now, phone) : monitor::AlarmSmsNotSentLine(now, phone));
      break;
    case monitor::SmsOwner::Control:
      // " Отправка SMS: " went with the command.
      if (!sent) panel = now + " Не отправлено SMS: " + phone;
      break;
    case monitor::SmsOwner::Manual:
      panel = (sent ? " Отправка SMS " : " Не отправлено SMS ") + phone;
      break;
    case monitor::SmsOwner::None:
      break;
  }
}

void SmsAnswered(monitor::Station& st, LinkState& link, bool sent) {
  auto& awaited = link.sms.Awaited;
  if (awaited.empty()) return;
  const AwaitedSms sms = awaited.front();
  awaited.erase(awaited.begin());
  RecordSms(st, sms.owner, sms.phone, sent);
}

bool OnlySmsAnswersOwed(const monitor::Station& st, const LinkState& link) {
  return !link.sms.Awaited.empty() &&
         st.state.gate.answers_due == static_cast<std::int32_t>(link.sms.Awaited.size());
}

void SmsAnswersLost(monitor::Station& st, LinkState& link) {
  while (!link.sms.Awaited.empty()) SmsAnswered(st, link, false);
}

void SmsTextsBeforeProbe(LinkState& link) {
  for (AwaitedSms& sms : link.sms.Awaited) sms.before_probe = true;
}

void SmsAnswersBeforeProbeLost(monitor::Station& st, LinkState& link) {
  while (!link.sms.Awaited.empty() && link.sms.Awaited.front().before_probe) {
    SmsAnswered(st, link, false);
  }
}

void AgeAwaitedSms(monitor::Station& st, LinkState& link) {
  auto& awaited = link.sms.Awaited;
  for (AwaitedSms& sms : awaited) ++sms.ticks;
  while (!awaited.empty() && awaited.front().ticks >= kSmsAnswerWaitTicks) {
    SmsAnswered(st, link, false);
  }
}

}  // namespace links
