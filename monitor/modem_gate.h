// What may be written to the modem now: the one place that decides.
//
// The modem answers its command lines one at a time and in order, each with a
// final result (OK, ERROR, +CMS ERROR, +CME ERROR). After "AT+CMGS=" it gives its
// prompt and takes every byte as message text until the Ctrl-Z; nothing else may
// go to it meanwhile. An answer names no command, so a SIM job (a read or a
// delete, whose answer is judged) goes only while the modem owes no answer and is
// known to be in step: once an owed answer was given up, it may still come late,
// and a probe with an answer of its own must come back first.
#pragma once

#include <cstdint>
#include <string_view>

namespace monitor {

struct Station;

// The SMS that has the modem's text prompt: its "AT+CMGS=" went out, its text not yet.
enum class SmsOwner {
  None,
  Control,  // a control SMS of Timer5, whose text follows on a later tick
  Alarm,    // the alarm SMS to a support phone, whose text follows a few ticks later
  Manual,   // the operator's SMS, whose text follows when its input box closes
};

// What the modem has said so far to that "AT+CMGS=".
enum class PromptAnswer {
  Awaited,  // nothing yet
  Given,    // its prompt, on the line as it was when the command went out
  Refused,  // a final result instead, or no answer in time: no text may go
};

// The probe that tells the line is in step again: its answer line is its own.
inline constexpr std::string_view kProbeCommand = "AT+CSQ";
inline constexpr std::string_view kProbeAnswer = "+CSQ:";
// Timer6 ticks (5 to 10 s) an owed answer is waited for before it is given up.
inline constexpr std::int32_t kAnswerWaitTicks = 2;
// Times the probes' answers may be given up before the probes count as lost: a
// late answer to an earlier probe must not be taken for the last one's.
inline constexpr std::int32_t kProbeGiveUps = 3;

struct ModemGate {
  SmsOwner owner = SmsOwner::None;
  PromptAnswer prompt = PromptAnswer::Awaited;
  std::uint32_t prompt_session = 0;  // the line's session the owner's command went out on
  std::int32_t prompt_ticks = 0;     // Timer5 ticks a Control or Alarm prompt has been open
  std::int32_t answers_due = 0;      // final results owed for the command lines written
  std::int32_t wait_ticks = 0;       // Timer6 ticks they have been owed with none coming
  bool in_step = true;               // false once an owed answer was given up
  bool probe_due = false;            // out of step: a probe should go
  std::int32_t probes_out = 0;       // probes sent whose answers have not come
  std::int32_t probe_give_ups = 0;   // times their answers were given up
  bool probe_answered = false;       // a probe's own answer line has come
  std::int32_t behind_probe = 0;     // command lines written since the last probe
  std::uint32_t session = 0;         // the line's session at the last write; 0 before any
};

// What became of an SMS text at its step.
enum class SmsText {
  Written,  // it went out after its own prompt; the modem's answer tells if it was sent
  Waiting,  // its prompt has not come yet; asked again later
  NotSent,  // ESC went instead, or nothing when another SMS has the prompt
};

// A command line may go: the modem waits for no SMS text.
bool ModemTakesCommands(const Station& st);
// A SIM job may go: the modem waits for no SMS text, owes no answer and is in step.
bool ModemInStep(const Station& st);
// The line is out of step, and no probe has gone since, or the answers the last
// one was waited with were given up: one should go.
bool ModemNeedsProbe(const Station& st);
// Sends the probe, ESC before it; false when the line did not take it.
bool SendProbe(Station& st);

// Sends "AT+CMGS=+7" + phone for this SMS, which then has the prompt. False when
// the line did not take it.
bool SendSmsCommand(Station& st, std::string_view phone, SmsOwner owner);
// The text step of the SMS: the text goes only after its own prompt, on the line
// as it was when its command went out. Otherwise ESC goes instead, unless another
// SMS has the prompt; with may_wait an awaited prompt is waited for.
SmsText SendSmsText(Station& st, SmsOwner owner, std::string_view text, bool may_wait);
// Closes the prompt with ESC: the modem drops the message.
void CloseSmsPrompt(Station& st);

// A command line went out: its final result is owed.
void NoteCommandWritten(Station& st);

// What the modem said, as the receive tick recognises it.
// A final result: OK, ERROR, +CMS ERROR or +CME ERROR. True when it ended the
// probe's answer: every command written before the probe has had its answer, or
// never will.
bool NoteFinalResult(Station& st);
void NotePrompt(Station& st);
void NoteProbeAnswer(Station& st);
// The modem restarted: what it owed before is lost, and an SMS waiting for its
// text is void and its prompt closed. What was written while its start-up
// message was on its way may still be answered: a probe must come back first.
void NoteModemRestart(Station& st);
// True once, when the line has been opened anew since the last write: whatever
// the modem owed is lost with it, and it is no longer known to be in step.
bool NoteLineSession(Station& st);
// Timer6: true when owed answers have now waited too long and are given up.
bool GiveUpOwedAnswers(Station& st);

}  // namespace monitor
