// The object plan page: the background picture, the 16 zone markers and the plan
// grid of one channel at a time.
#pragma once

#include <string>

#include "monitor/station.h"

namespace monitor {

// "pust" + c + ".txt" and "fon" + c + ".bmp".
std::string PlanSettingsFileName(int channel);
std::string PlanPictureFileName(int channel);

// Loads "fon" + c + ".bmp" into the plan picture when the file exists; otherwise the
// picture shown stays.
void LoadPlanPicture(Station& st, int channel);

// Start-up: writes all sixteen default plan files when pust1.txt is missing,
// reads pust1.txt and places the markers, hidden.
void LoadPlanMarkers(Station& st);

// Loads the background and markers of the channel, refreshes the plan grid and
// starts the blinking.
void ShowObjectPlan(Station& st, int channel);

// BitBtn1Click .. BitBtn16Click: opens the plan of that channel.
void ChannelButtonClick(Station& st, int channel);

}  // namespace monitor
