// The manual SMS, "Сервис" > "Отправить SMS".
#pragma once

#include "links/link_state.h"
#include "monitor/station.h"

namespace links {

// Number and text from two input boxes, prefilled from tsms.txt, and kept there.
void SMS1Click(monitor::Station& st, LinkState& link);

}  // namespace links
