// What became of an SMS whose text went out after its prompt: the modem's answer
// to it tells. "+CMGS:" says it was sent; an error, a restart of the modem or no
// answer within a minute say it was not. Only then is it recorded: the alarm SMS
// in the archive, a control SMS or the operator's own in the event panel. A line
// opened anew decides nothing by itself, as the same modem may be behind it; the
// probe that follows it does.
#pragma once

#include <cstdint>
#include <string>

#include "links/link_state.h"
#include "monitor/station.h"

namespace links {

// Timer6 ticks an SMS's answer is waited for: networks take up to a minute.
inline constexpr std::int32_t kSmsAnswerWaitTicks = 12;

// What the text step of this SMS decided: its text written, its record waits for
// the modem's answer; not sent, it is recorded so now; waiting, nothing yet.
void FollowSmsText(monitor::Station& st, LinkState& link, monitor::SmsOwner owner,
                   const std::string& phone, monitor::SmsText text);

// The record of an SMS: sent, or not sent.
void RecordSms(monitor::Station& st, monitor::SmsOwner owner, const std::string& phone, bool sent);

// The modem's answer to the oldest SMS awaiting one.
void SmsAnswered(monitor::Station& st, LinkState& link, bool sent);

// Whether an error the modem gives now can only answer the oldest SMS: no other
// command owes an answer.
bool OnlySmsAnswersOwed(const monitor::Station& st, const LinkState& link);

// The modem restarted: no SMS awaiting its answer will get one.
void SmsAnswersLost(monitor::Station& st, LinkState& link);

// A probe goes out: the SMS still awaiting their answers went before it.
void SmsTextsBeforeProbe(LinkState& link);

// The probe's answer has come, and with it every answer before it that was to
// come: an SMS sent before the probe that has had none counts as not sent.
void SmsAnswersBeforeProbeLost(monitor::Station& st, LinkState& link);

// Timer6: an SMS whose answer has not come within kSmsAnswerWaitTicks counts as
// not sent.
void AgeAwaitedSms(monitor::Station& st, LinkState& link);

}  // namespace links
