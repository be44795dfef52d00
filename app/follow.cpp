// The board follows the clock and the settings file while it runs: a new
// day, or a file changed outside, is shown without taking the focus.
#include "app/auto_exit.h"
#include "app/board_window.h"
#include "app/date_timer.h"
#include "app/shell_state.h"
#include "board/board_graphics.h"

namespace {

// While the checks wait, the date is looked at again this soon.
constexpr UINT kRetryDateCheckMs = 1000;

void armDateTimer(HWND window, const SYSTEMTIME& now)
{
    SetTimer(window, kDateTimerId, nextDateCheckMs(now.wHour, now.wMinute, now.wSecond, now.wMilliseconds), nullptr);
}

}  // namespace

void startFollowing(HWND window)
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    armDateTimer(window, now);
    SetTimer(window, kFileTimerId, kFileLookPeriodMs, nullptr);
}

void followDate(HWND window)
{
    if (followingWaits(overflowBoxOpen)) {
        SetTimer(window, kDateTimerId, kRetryDateCheckMs, nullptr);
        return;
    }
    // One reading of the clock serves the date and the next timer.
    SYSTEMTIME now;
    GetLocalTime(&now);
    shell.followingNow = true;
    if (followLocalDate(board, {now.wYear, now.wMonth, now.wDay, now.wDayOfWeek})) {
        repaintWithoutRaising(window);
        // Its overflow box may have stayed open for long.
        GetLocalTime(&now);
    }
    shell.followingNow = false;
    armDateTimer(window, now);
}

void followFile(HWND window)
{
    // The next look comes in two seconds anyway.
    if (followingWaits(overflowBoxOpen)) return;
    shell.followingNow = true;
    switch (lookAtSettingsFile(board, window)) {
    case FileLook::reloaded: {
        // As at start: a board that closes by itself leaves time to reach
        // the menu.
        int32_t& endsec = board.schedule.settings.endsec;
        if (shell.autoExitRunning) endsec = startAutoExit(1, endsec).endsec;
        repaintWithoutRaising(window);
        break;
    }
    case FileLook::firstRead:
        // What the start could not read: the board goes where it says.
        placeBoard(window);
        startAutoExitTimer(window);
        repaintWithoutRaising(window);
        break;
    default: break;
    }
    shell.followingNow = false;
}
