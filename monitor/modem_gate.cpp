#include "monitor/modem_gate.h"

#include <string>

#include "monitor/modem_output.h"
#include "monitor/station.h"

namespace monitor {
namespace {

constexpr std::uint8_t kEsc = 0x1B;

ModemGate& Gate(Station& st) {
  return st.state.gate;
}

// Nothing is owed any longer, whether it came or not.
void ForgetOwedAnswers(ModemGate& g) {
  g.answers_due = 0;
  g.wait_ticks = 0;
}

// Out of step: until the probes come back, no answer is known to be whose.
void LoseStep(ModemGate& g) {
  ForgetOwedAnswers(g);
  g.in_step = false;
  g.probe_due = true;
}

void ForgetProbes(ModemGate& g) {
  g.probes_out = 0;
  g.probe_give_ups = 0;
  g.probe_answered = false;
  g.behind_probe = 0;
}

void WriteEsc(Station& st) {
  st.ports.modem.Write(&kEsc, 1);
}

}  // namespace

bool ModemTakesCommands(const Station& st) {
  return st.state.gate.owner == SmsOwner::None;
}

bool ModemInStep(const Station& st) {
  const ModemGate& g = st.state.gate;
  return g.owner == SmsOwner::None && g.answers_due == 0 && g.in_step;
}

bool ModemNeedsProbe(const Station& st) {
  const ModemGate& g = st.state.gate;
  return g.owner == SmsOwner::None && !g.in_step && g.probe_due;
}

bool SendProbe(Station& st) {
  // A modem still waiting for an SMS text (the ESC that ended it lost with the
  // line) would take the probe for text: ESC first, which a modem that takes
  // commands ignores.
  WriteEsc(st);
  if (!SendModemCommand(st, kProbeCommand)) return false;
  ModemGate& g = Gate(st);
  ++g.probes_out;
  g.probe_due = false;
  g.behind_probe = 0;
  return true;
}

bool SendSmsCommand(Station& st, std::string_view phone, SmsOwner owner) {
  if (!SendModemCommand(st, "AT+CMGS=+7" + std::string(phone))) return false;
  ModemGate& g = Gate(st);
  g.owner = owner;
  g.prompt = PromptAnswer::Awaited;
  g.prompt_session = st.ports.modem.Session();
  g.prompt_ticks = 0;
  return true;
}

SmsText SendSmsText(Station& st, SmsOwner owner, std::string_view text, bool may_wait) {
  ModemGate& g = Gate(st);
  if (g.owner != owner) {
    // Its command never went, or its prompt was closed: ESC stops whatever the
    // modem would take the text for, unless another SMS waits for its own text.
    if (g.owner == SmsOwner::None) WriteEsc(st);
    return SmsText::NotSent;
  }
  const bool same_line = g.prompt_session == st.ports.modem.Session();
  if (same_line && g.prompt == PromptAnswer::Given) {
    const bool taken = SendModemText(st, text);
    g.owner = SmsOwner::None;
    return taken ? SmsText::Written : SmsText::NotSent;
  }
  if (same_line && g.prompt == PromptAnswer::Awaited && may_wait) return SmsText::Waiting;
  CloseSmsPrompt(st);
  return SmsText::NotSent;
}

void CloseSmsPrompt(Station& st) {
  WriteEsc(st);
  ModemGate& g = Gate(st);
  g.owner = SmsOwner::None;
  // The modem may or may not answer a dropped message: only a probe tells.
  LoseStep(g);
}

void NoteCommandWritten(Station& st) {
  ModemGate& g = Gate(st);
  if (g.answers_due++ == 0) g.wait_ticks = 0;
  if (g.probes_out > 0) ++g.behind_probe;
  g.session = st.ports.modem.Session();
}

bool NoteFinalResult(Station& st) {
  ModemGate& g = Gate(st);
  // Owing only the SMS command, a final result is its answer instead of a prompt.
  if (g.owner != SmsOwner::None && g.prompt == PromptAnswer::Awaited && g.answers_due == 1)
    g.prompt = PromptAnswer::Refused;
  if (g.answers_due > 0) --g.answers_due;
  g.wait_ticks = 0;
  if (!g.probe_answered) return false;
  g.probe_answered = false;
  // Answers come in order: with the last probe's answer, every answer before it
  // has come; the commands written since still owe theirs.
  if (--g.probes_out > 0) return false;
  const std::int32_t still_owed = g.behind_probe;
  ForgetProbes(g);
  ForgetOwedAnswers(g);
  g.answers_due = still_owed;
  g.in_step = true;
  return true;
}

void NotePrompt(Station& st) {
  ModemGate& g = Gate(st);
  if (g.owner != SmsOwner::None && g.prompt == PromptAnswer::Awaited)
    g.prompt = PromptAnswer::Given;
}

void NoteProbeAnswer(Station& st) {
  if (Gate(st).probes_out > 0) Gate(st).probe_answered = true;
}

void NoteModemRestart(Station& st) {
  ModemGate& g = Gate(st);
  if (g.owner != SmsOwner::None) WriteEsc(st);
  g.owner = SmsOwner::None;
  ForgetProbes(g);
  // A command written while the message was on its way may have reached the
  // restarted modem, which then owes its answer: only a probe tells.
  LoseStep(g);
}

bool NoteLineSession(Station& st) {
  ModemGate& g = Gate(st);
  const std::uint32_t session = st.ports.modem.Session();
  if (g.session == 0 || g.session == session) return false;
  g.session = session;
  LoseStep(g);
  // The ESC that would have ended an SMS waiting for its text may have been lost
  // with the line: the modem would take the next command for that text.
  WriteEsc(st);
  return true;
}

bool GiveUpOwedAnswers(Station& st) {
  ModemGate& g = Gate(st);
  // A modem that gave its prompt waits for the text, and owes nothing till then.
  const bool waits_for_text = g.owner != SmsOwner::None && g.prompt == PromptAnswer::Given;
  if ((g.answers_due == 0 && g.probes_out == 0) || waits_for_text) {
    g.wait_ticks = 0;
    return false;
  }
  if (++g.wait_ticks < kAnswerWaitTicks) return false;
  // Probes still on their way are waited for, and another one goes; after long
  // enough they count as lost.
  if (g.probes_out > 0 && ++g.probe_give_ups >= kProbeGiveUps) ForgetProbes(g);
  LoseStep(g);
  if (g.owner != SmsOwner::None && g.prompt == PromptAnswer::Awaited)
    g.prompt = PromptAnswer::Refused;
  return true;
}

}  // namespace monitor
