#include "app/auto_exit.h"

#include <climits>

AutoExitStart startAutoExit(int autoend, int endsec)
{
    if (autoend != 1) return {false, endsec};
    return {true, endsec < kAutoExitMinSeconds ? kAutoExitMinSeconds : endsec};
}

AutoExitTick countAutoExitTick(int ticks, int endsec, int modalOpen)
{
    // A dialog left open for 68 years must not wrap the count round.
    if (ticks < INT_MAX) ++ticks;
    return {ticks, ticks >= endsec && modalOpen == 0};
}
