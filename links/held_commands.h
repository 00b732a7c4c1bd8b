// The operator's modem commands, from the "Модем" and "Сервис" menus and the
// operator's SMS. While the modem waits for an SMS text, one of them would be
// typed into that SMS: it is held, in order, and goes out once that text has
// gone and the modem has answered it. A command line the line does not take
// (it is down) is held the same way; a command never goes twice and is never lost.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "links/sms_send_state.h"
#include "monitor/station.h"

namespace links {

struct LinkState;

struct HeldCommand {
  std::string line;                    // the command line, without its CR LF
  bool clears_receive_buffer = false;  // "Сброс": as it goes out
  std::optional<ManualSms> sms;        // the operator's "AT+CMGS=": its SMS
};

struct HeldCommands {
  std::vector<HeldCommand> queue;  // oldest first
};

// Sends the command now if the modem takes commands and the line takes it, else
// holds it.
void SendOperatorCommand(monitor::Station& st, LinkState& link, HeldCommand command);

// Receive tick: the oldest held command goes out once the modem waits for no
// SMS text and owes no answer.
void SendHeldCommand(monitor::Station& st, LinkState& link);

// The operator's SMS whose command is still held, newest first; null when none.
ManualSms* HeldManualSms(LinkState& link);
// Drops the held command of the operator's SMS: its second box was cancelled.
void DropHeldManualSms(LinkState& link);

}  // namespace links
