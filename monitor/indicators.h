// The channel panels of the mnemonic screen: indicators, link frames and output boxes.
#pragma once

#include "monitor/station.h"

namespace monitor {

// Redraws channel c's 16 indicators from the status column and records the stamp drawn.
void ShowChannelSignals(Station& st, int channel);

// Colours channel c's frame from its link age, then clamps the age at 101.
void UpdateLinkFrame(Station& st, int channel);

// Boxes into OutputCmd, box colours from OutputState, Timer5 on for a pending SMS command.
void SyncOutputCheckBoxes(Station& st);

// Click on output box CheckBox18..CheckBox49: flags the output as changed and takes
// the box into OutputCmd at once, so a control SMS never carries the previous command.
void OutputCheckBoxClick(Station& st, int box);

}  // namespace monitor
