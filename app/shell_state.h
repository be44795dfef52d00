// The shell's process-wide state that needs no window system.
#pragma once

#include "app/close_sequence.h"
#include "settings_dialog/modal.h"  // modalOpen, which the dialogs clear

extern int mouseState;    // gesture state, 0..3
extern int autoendTicks;  // auto-exit ticks since creation
extern CloseProgress closeProgress;

// The state of a freshly created board: no gesture, no ticks, no dialog.
void resetShellState();
