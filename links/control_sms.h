// Control SMS: a GSM object's commanded outputs P1 and P2, sent as a command
// line on one Timer5 tick and its text on a later one.
#pragma once

#include <string>

#include "links/link_state.h"
#include "monitor/station.h"

namespace links {

// "+", P1 + 2 x P2 (each output counting 1 when set), "R"; e.g. "+1R".
std::string FormatControlSms(const monitor::OutputPair& outputs);

// Timer5's control SMS step: the cursor moves on one channel of 5..16, a waiting
// text is sent, and a pending output change of the cursor's channel is commanded.
void SendControlSms(monitor::Station& st, LinkState& link);

}  // namespace links
