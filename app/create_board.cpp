#include "app/auto_exit.h"
#include "app/board_window.h"
#include "app/shell_state.h"
#include "app/tray_icon.h"
#include "board/board_graphics.h"
#include "text/cp932.h"

namespace {

// The board is exactly the client area: cutting the window to it hides the
// frame. Once, here: the region never changes, and setting it with a redraw
// during a paint would ask for another paint. The region belongs to the
// window once it is set.
void cutWindowToClientArea(HWND window)
{
    const POINT frame = boardFrameOffset();
    HRGN region = CreateRectRgn(frame.x, frame.y, frame.x + kBoardPictureWidth, frame.y + kBoardPictureHeight);
    if (!SetWindowRgn(window, region, FALSE)) DeleteObject(region);
}

}  // namespace

POINT boardFrameOffset() { return {GetSystemMetrics(SM_CXDLGFRAME), GetSystemMetrics(SM_CYDLGFRAME)}; }

// The stored position is the visible board's; the window's outer corner
// lies one frame further up and left.
void placeBoard(HWND window)
{
    const BoardSettings& boardSettings = board.schedule.settings;
    const POINT frame = boardFrameOffset();
    // The option's sense is inverted: 0 keeps the board above other windows.
    HWND order = boardSettings.topmost == 0 ? HWND_TOPMOST : HWND_NOTOPMOST;
    SetWindowPos(window, order, boardSettings.winX - frame.x, boardSettings.winY - frame.y, kBoardOuterWidth,
        kBoardOuterHeight, 0);
}

void startAutoExitTimer(HWND window)
{
    int32_t& endsec = board.schedule.settings.endsec;
    const AutoExitStart autoExit = startAutoExit(board.schedule.settings.autoend, endsec);
    if (!autoExit.startTimer || shell.autoExitRunning) return;
    SetTimer(window, kAutoExitTimerId, kAutoExitPeriodMs, nullptr);
    endsec = autoExit.endsec;  // the raised value is what close saves
    shell.autoExitRunning = true;
}

LRESULT onCreate(HWND window, const CREATESTRUCTW* creation)
{
    program.taskbarCreatedMessage = RegisterWindowMessageW(L"TaskbarCreated");
    cp932CopyFit(tipText, kTipTextSize, kProductName);
    resetShellState();
    resetBoardState(board);
    // Unguarded, a second board could run on the same file.
    if (program.lock == BoardLock::Unavailable) tellFolderCannotKeepSettings(board, window);
    loadSettings(board, window);
    // The stored instance is set only once creation has returned.
    createBoardGraphics(window, creation->hInstance);
    addTrayIcon(window, kTrayIconId, program.icon, tipText);
    if (program.setLayeredWindowAttributes)
        program.setLayeredWindowAttributes(window, colorRefOf(kKeyColour), kLayeredAlpha, LWA_COLORKEY);
    placeBoard(window);
    cutWindowToClientArea(window);
    startAutoExitTimer(window);
    startFollowing(window);
    return 0;
}
