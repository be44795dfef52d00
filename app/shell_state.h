// The shell's process-wide state that needs no window system.
#pragma once

#include "app/close_sequence.h"
#include "settings_dialog/modal.h"  // modalOpen, which the dialogs clear

struct ShellState {
    int mouseState;    // gesture state, 0..3
    int autoendTicks;  // auto-exit ticks since creation
    CloseProgress closeProgress;
    // Set from just before the settings dialog or the version box opens
    // until just after it has returned: modalOpen is cleared earlier, by OK
    // before its save, and the date and file checks must not run during
    // that save.
    bool ownBoxOpen;
    // Set while a date or file check runs: its boxes run message loops, and
    // a timer must not start a second check inside the first.
    bool followingNow;
    // The auto-exit timer was started at creation.
    bool autoExitRunning;
};

extern ShellState shell;

// The date check and the file watch wait while a box of ours is open, while
// a check already runs, and once the close has begun.
bool followingWaits(bool overflowBoxOpen);

// The state of a freshly created board: no gesture, no ticks, no dialog.
void resetShellState();
