// The settings tables of the window and their files: the start-up load, the
// save command, SMS charging and the siren switch.
#pragma once

#include "monitor/station.h"

namespace monitor {

// The start-up load of every settings file, writing defaults for missing ones.
// A file that cannot be loaded is shown once and left for TakeUpMendedFiles; the
// load goes on with the next file.
void LoadSettings(Station& st);
// The low-balance check: one message for the lowest channel below 1000 kopecks.
void CheckLowBalance(Station& st);

// Tool-bar "Запись установок": asks, then saves the five tables.
void ToolButton7Click(Station& st);
void SaveSignalTable(Station& st);
void SavePhoneFiles(Station& st);
void SaveObjectNames(Station& st);
void SaveOperatorList(Station& st);
void SaveBalances(Station& st);
void SavePollPause(Station& st);

// ChannelPhone 1..4 := "RS485", then ChannelPhone shown in the object table.
void ShowChannelPhones(Station& st);
// Channel panel captions := the object names.
void ShowChannelCaptions(Station& st);

// Books one SMS price against the channel held in SmsChargeQueue[slot].
void ChargeSmsCost(Station& st, int slot);

// Siren switch: its caption follows its tick.
void CheckBox17Click(Station& st);

}  // namespace monitor
