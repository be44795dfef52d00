#include "app/shell_state.h"

ShellState shell = {0, 0, CloseProgress::Open, false, false, false};

bool followingWaits(bool overflowBoxOpen)
{
    return shell.ownBoxOpen || overflowBoxOpen || shell.followingNow || shell.closeProgress != CloseProgress::Open;
}

void resetShellState()
{
    shell.mouseState = 0;
    modalOpen = 0;
    shell.autoendTicks = 0;
    shell.ownBoxOpen = false;
    shell.followingNow = false;
    shell.autoExitRunning = false;
}
