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
  g.probing = false;
  g.probe_answered = false;
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
  return g.owner == SmsOwner::None && !g.in_step && !g.probing;
}

void SendProbe(Station& st) {
  if (!SendModemCommand(st, kProbeCommand)) return;
  Gate(st).probing = true;
  Gate(st).probe_answered = false;
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
    return taken ? SmsText::Sent : SmsText::NotSent;
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
  ForgetOwedAnswers(g);
  g.in_step = false;
}

void NoteCommandWritten(Station& st) {
  ModemGate& g = Gate(st);
  if (g.answers_due++ == 0) g.wait_ticks = 0;
  g.session = st.ports.modem.Session();
}

void NoteFinalResult(Station& st) {
  ModemGate& g = Gate(st);
  // Owing only the SMS command, a final result is its answer instead of a prompt.
  if (g.owner != SmsOwner::None && g.prompt == PromptAnswer::Awaited && g.answers_due == 1)
    g.prompt = PromptAnswer::Refused;
  if (g.answers_due > 0) --g.answers_due;
  g.wait_ticks = 0;
  // Answers come in order: with the probe's own answer, all before it have come.
  if (g.probing && g.probe_answered) {
    ForgetOwedAnswers(g);
    g.in_step = true;
  }
}

void NotePrompt(Station& st) {
  ModemGate& g = Gate(st);
  if (g.owner != SmsOwner::None && g.prompt == PromptAnswer::Awaited)
    g.prompt = PromptAnswer::Given;
}

void NoteProbeAnswer(Station& st) {
  if (Gate(st).probing) Gate(st).probe_answered = true;
}

void NoteModemRestart(Station& st) {
  ModemGate& g = Gate(st);
  if (g.owner != SmsOwner::None) WriteEsc(st);
  g.owner = SmsOwner::None;
  ForgetOwedAnswers(g);
  g.in_step = true;
}

bool NoteLineSession(Station& st) {
  ModemGate& g = Gate(st);
  const std::uint32_t session = st.ports.modem.Session();
  if (g.session == 0 || g.session == session) return false;
  g.session = session;
  ForgetOwedAnswers(g);
  g.in_step = false;
  return true;
}

bool GiveUpOwedAnswers(Station& st) {
  ModemGate& g = Gate(st);
  // A modem that gave its prompt waits for the text, and owes nothing till then.
  const bool waits_for_text = g.owner != SmsOwner::None && g.prompt == PromptAnswer::Given;
  if ((g.answers_due == 0 && !g.probing) || waits_for_text) {
    g.wait_ticks = 0;
    return false;
  }
  if (++g.wait_ticks < kAnswerWaitTicks) return false;
  ForgetOwedAnswers(g);
  g.in_step = false;
  if (g.owner != SmsOwner::None && g.prompt == PromptAnswer::Awaited)
    g.prompt = PromptAnswer::Refused;
  return true;
}

}  // namespace monitor
