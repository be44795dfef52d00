// The shell's process-wide state that needs no window system.
#pragma once

#include "app/close_sequence.h"

extern int mouseState;    // gesture state, 0..3
extern int autoendTicks;  // auto-exit ticks since creation
// 1 while the settings dialog or the version box is open: set just before
// either opens, cleared by the dialog as it closes. Holds off the popup menu
// and the auto-exit.
extern int modalOpen;
extern CloseProgress closeProgress;

// The state of a freshly created board.
void resetShellState();
