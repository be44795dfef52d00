#include "app/board_window.h"
#include "app/close_sequence.h"
#include "app/folder_watch.h"
#include "app/shell_state.h"
#include "app/tray_icon.h"
#include "board/board_graphics.h"

namespace {

HWND asWindow(void* window) { return static_cast<HWND>(window); }

void stopTimers(void* window)
{
    KillTimer(asWindow(window), kAutoExitTimerId);
    KillTimer(asWindow(window), kDateTimerId);
    KillTimer(asWindow(window), kFileTimerId);
    stopFolderWatch();
}

// An edit made outside since the last look is read first, so that the save
// keeps it, with the board's position; a file the start could not read and
// that reads now brings its own.
void catchUpWithFile(void* window)
{
    if (catchUpWithSettingsFile(board, window) == FileLook::firstRead) placeBoard(asWindow(window));
}

// The position saved is the visible board's: the outer corner plus a frame.
void recordPosition(void* window)
{
    RECT outer;
    GetWindowRect(asWindow(window), &outer);
    const POINT frame = boardFrameOffset();
    board.schedule.settings.winX = outer.left + frame.x;
    board.schedule.settings.winY = outer.top + frame.y;
}

void save(void* window) { saveAtClose(board, window); }
void removeIcon(void* window) { removeTrayIcon(asWindow(window), kTrayIconId); }
void requestQuit() { PostQuitMessage(0); }

const CloseSteps kBoardCloseSteps = {
    stopTimers,
    catchUpWithFile,
    recordPosition,
    save,
    releaseBoardGraphics,
    removeIcon,
    requestQuit,
};

}  // namespace

int closeBoard(HWND window) { return runCloseSequence(shell.closeProgress, kBoardCloseSteps, window); }
