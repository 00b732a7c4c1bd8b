// The three spinners: UpDown1 selects the current marker, UpDown2 and UpDown3
// move it on the screen without touching the grid.
#pragma once

#include "designer/desk.h"

namespace designer {

// What a spinner does before its click handler runs: it takes the number shown
// in its edit field (its last position when the text is no number), brings it
// within Min..Max, steps it by one within Min..Max and shows the result. False
// when the number shown stays the same (an arrow at the end of the range): then
// no click follows.
bool StepUpDown(TUpDown& spinner, TEdit& edit, SpinButton button);

// The marker in Edit1 goes back to the position that its grid row holds,
// which Edit2 and Edit3 then show.
void UpDown1Click(Desk& d);

// The current marker goes to Edit2, Edit3 on the screen only.
void UpDown2Click(Desk& d);
void UpDown3Click(Desk& d);

}  // namespace designer
