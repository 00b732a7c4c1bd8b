// The manual SMS, "Сервис" > "Отправить SMS".
#pragma once

#include "links/link_state.h"
#include "monitor/station.h"

namespace links {

// Number and text from two input boxes, prefilled from tsms.txt, and kept there.
// The command waits while another SMS waits for its text; the text follows the
// prompt of its own command, and is shown as sent only when it went.
void SMS1Click(monitor::Station& st, LinkState& link);

// The operator's "AT+CMGS=" goes out now, and its SMS has the prompt; a text
// already typed waits for that prompt, or is told as not sent when the line did
// not take the command.
void StartManualSms(monitor::Station& st, LinkState& link, ManualSms sms);

// Receive tick: the text of the operator's SMS goes once its prompt has come, or
// is shown as not sent once no prompt will come.
void SendManualSmsText(monitor::Station& st, LinkState& link);

}  // namespace links
