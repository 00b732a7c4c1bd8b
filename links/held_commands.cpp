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

// The command goes out; false when the line did not take it.
bool Send(monitor::Station& st, LinkState& link, HeldCommand& command) {
  if (command.sms) return StartManualSms(st, link, std::move(*command.sms));
  const bool taken = monitor::SendModemCommand(st, command.line);
  if (command.clears_receive_buffer) ClearModemRxBuffer(link);
  return taken;
}

auto NewestHeldSms(HeldCommands& held) {
  return std::find_if(held.queue.rbegin(), held.queue.rend(),
                      [](const HeldCommand& c) { return c.sms.has_value(); });
}

}  // namespace

bool SendOperatorCommand(monitor::Station& st, LinkState& link, HeldCommand command) {
  // Behind commands already held it waits its turn.
  if (monitor::ModemTakesCommands(st) && link.held.queue.empty()) {
    // The operator's SMS is told as not sent when the line does not take it.
    if (command.sms) {
      Send(st, link, command);
      return true;
    }
    if (Send(st, link, command)) return true;
  }
  link.held.queue.push_back(std::move(command));
  return false;
}

void SendHeldCommand(monitor::Station& st, LinkState& link) {
  auto& queue = link.held.queue;
  if (queue.empty() || !monitor::ModemTakesCommands(st) || st.state.gate.answers_due > 0) return;
  HeldCommand& command = queue.front();
  const bool sms = command.sms.has_value();
  // A command line the line did not take waits for it; the operator's SMS is
  // told as not sent instead.
  if (!Send(st, link, command) && !sms) return;
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
