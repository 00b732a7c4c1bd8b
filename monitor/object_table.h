// The object table as the rest of the window shows it: the channel phones and
// the channel panels' captions.
#pragma once

#include "monitor/station.h"

namespace monitor {

// ChannelPhone 1..4 := "RS485", then ChannelPhone shown in the object table.
void ShowChannelPhones(Station& st);
// Channel panel captions := the object names.
void ShowChannelCaptions(Station& st);

}  // namespace monitor
