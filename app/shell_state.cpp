#include "app/shell_state.h"

int mouseState = 0;
int autoendTicks = 0;
CloseProgress closeProgress = CloseProgress::Open;

void resetShellState()
{
    mouseState = 0;
    modalOpen = 0;
    autoendTicks = 0;
}
