// The designer program's entry: the application, the window Form1 and its
// message loop.
#pragma once

namespace stanplan {

// Runs until the window closes; the exit code of the message loop.
int DesignerProgramEntry(int argc, char** argv);

}  // namespace stanplan
