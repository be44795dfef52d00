// The board follows the clock and the settings file while it runs: a new
// day, or a file changed outside, is shown without taking the focus.
#include "app/auto_exit.h"
#include "app/board_window.h"
#include "app/date_timer.h"
#include "app/file_looks.h"
#include "app/folder_watch.h"
#include "app/shell_state.h"
#include "board/board_graphics.h"

namespace {

// While the checks wait, the date is looked at again this soon.
constexpr UINT kRetryDateCheckMs = 1000;

// The file timer runs: a look every two seconds.
bool looking = false;
// No notification of the folder: the looks never stop.
bool lookingAlways = false;

void armDateTimer(HWND window, const SYSTEMTIME& now)
{
    SetTimer(window, kDateTimerId, nextDateCheckMs(now.wHour, now.wMinute, now.wSecond, now.wMilliseconds), nullptr);
}

void keepLooks(HWND window, bool keep)
{
    if (keep == looking || lookingAlways) return;
    looking = keep;
    if (keep)
        SetTimer(window, kFileTimerId, kFileLookPeriodMs, nullptr);
    else
        KillTimer(window, kFileTimerId);
}

}  // namespace

void startFollowing(HWND window)
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    armDateTimer(window, now);
    if (!startFolderWatch()) {
        SetTimer(window, kFileTimerId, kFileLookPeriodMs, nullptr);
        looking = lookingAlways = true;
    }
    keepLooks(window, board.unread);
}

void followFolder(HWND window)
{
    rearmFolderWatch();
    // A burst of notifications while the looks run changes nothing: the
    // timer keeps its pace.
    if (!looking) followFile(window);
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
    // A net under the notifications: a change they did not tell is seen
    // within the minute.
    if (!looking) followFile(window);
}

void followFile(HWND window)
{
    // The next look comes in two seconds anyway.
    if (followingWaits(overflowBoxOpen)) return;
    shell.followingNow = true;
    const FileLook look = lookAtSettingsFile(board, window);
    keepLooks(window, keepLooking(look, board.unread));
    switch (look) {
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
