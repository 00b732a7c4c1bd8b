// The object plan page: background picture, 16 blinking zone markers, the plan
// grid, and the demonstration mode that drives channel 16.
#pragma once

#include <string>

#include "monitor/station.h"

namespace monitor {

// "pust" + c + ".txt" and "fon" + c + ".bmp".
std::string PlanSettingsFileName(int channel);
std::string PlanPictureFileName(int channel);

// Start-up: writes all sixteen default plan files when pust1.txt is missing,
// reads pust1.txt and places the markers, hidden.
void LoadPlanMarkers(Station& st);

// Loads the background and markers of the channel, refreshes the plan grid and
// starts the blinking.
void ShowObjectPlan(Station& st, int channel);

// Hides the 16 markers and moves marker k to (MarkerX[k], MarkerY[k]).
void PlaceZoneMarkers(Station& st);

// BitBtn1Click .. BitBtn16Click: opens the plan of that channel.
void ChannelButtonClick(Station& st, int channel);

// The 401 ms tick: blink phase, demonstration step, marker visibility.
void Timer4Timer(Station& st);

// "Деморежим" > "Пуск" and "Стоп".
void N15Click(Station& st);
void N16Click(Station& st);

}  // namespace monitor
