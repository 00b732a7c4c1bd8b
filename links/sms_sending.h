// SMS sending: control SMS for the outputs, the alarm SMS schedule, the siren,
// the manual SMS and the cancel button.
#pragma once

#include <string>

#include "links/link_state.h"
#include "monitor/station.h"

namespace links {

// Timer5: control SMS, alarm schedule, siren.
void Timer5Timer(monitor::Station& st, LinkState& link);
// "Сервис" > "Отправить SMS": number and text from two input boxes, kept in tsms.txt.
void SMS1Click(monitor::Station& st, LinkState& link);
// "Отменить SMS": drops the alarm SMS and silences the siren.
void BitBtn17Click(monitor::Station& st, LinkState& link);

}  // namespace links
