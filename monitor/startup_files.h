// The start-up steps that read a file. A step that fails does not hold up the
// desk: its error is shown once, the start-up goes on with the next step, and the
// cells that file could not fill stay as they were. The step is taken up again
// only once its file has changed (rewritten by the save command, or mended from
// outside), never on a timer of its own, so nothing the operator has typed
// meanwhile is overwritten by a retry.
#pragma once

#include <string>

#include "monitor/station.h"

namespace monitor {

// Runs a start-up step that reads the named file of the working folder; a
// PlatformError it raises is shown and the step kept for TakeUpMendedFiles.
void LoadStartUpFile(Station& st, const std::string& file_name, void (*step)(Station&));

// Runs again, in start-up order, each failed step whose file has changed since.
// One that succeeds is done with, and its error leaves status panel 5; one that
// fails again shows its error in status panel 5 only. The main-cycle timer calls
// it on every tick.
void TakeUpMendedFiles(Station& st);

// Whether the start-up step reading this file still stands failed.
bool FileStepFailed(const Station& st, const std::string& file_name);

}  // namespace monitor
