#include "links/held_commands.h"

#include <algorithm>
#include <utility>

#include "links/link_state.h"
#include "links/manual_sms.h"
#include "links/modem_rx.h"
#include "monitor/modem_gate.h"
#include "monitor/modem_output.h"

namespace links {
namespace {

// The command goes out; false when it must wait for the line, which did not take
// it. The operator's SMS never waits: it is told as not sent instead.
bool Send(monitor::Station& st, LinkState& link, HeldCommand& command) {
  if (command.sms) {
    StartManualSms(st, link, std::move(*command.sms));
    return true;
  }
  const bool taken = monitor::SendModemCommand(st, command.line);
  if (command.clears_receive_buffer) ClearModemRxBuffer(link);
  return taken;
}

auto NewestHeldSms(HeldCommands& held) {
  return std::find_if(held.queue.rbegin(), held.queue.rend(),
                      [](const HeldCommand& c) { return c.sms.has_value(); });
}

}  // namespace

void SendOperatorCommand(monitor::Station& st, LinkState& link, HeldCommand command) {
  // Behind commands already held it waits its turn.
  const bool now = monitor::ModemTakesCommands(st) && link.held.queue.empty();
  if (!now || !Send(st, link, command)) link.held.queue.push_back(std::move(command));
}

void SendHeldCommand(monitor::Station& st, LinkState& link) {
  auto& queue = link.held.queue;
  if (queue.empty() || !monitor::ModemTakesCommands(st) || st.state.gate.answers_due > 0) return;
  if (!Send(st, link, queue.front())) return;
  queue.erase(queue.begin());
  link.ModemTickActed = true;
}

ManualSms* HeldManualSms(LinkState& link) {
  const auto it = NewestHeldSms(link.held);
  return it == link.held.queue.rend() ? nullptr : &*it->sms;
}

void DropHeldManualSms(LinkState& link) {
  const auto it = NewestHeldSms(link.held);
  if (it != link.held.queue.rend()) link.held.queue.erase(std::next(it).base());
}

}  // namespace links
