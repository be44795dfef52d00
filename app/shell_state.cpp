#include "app/shell_state.h"

int mouseState = 0;
int autoendTicks = 0;
CloseProgress closeProgress = CloseProgress::Open;
bool ownBoxOpen = false;
bool followingNow = false;
bool autoExitRunning = false;

bool followingWaits(bool overflowBoxOpen)
{
    return ownBoxOpen || overflowBoxOpen || followingNow || closeProgress != CloseProgress::Open;
}

void resetShellState()
{
    mouseState = 0;
    modalOpen = 0;
    autoendTicks = 0;
    ownBoxOpen = false;
    followingNow = false;
    autoExitRunning = false;
}
