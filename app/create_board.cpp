#include "app/auto_exit.h"
#include "app/board_window.h"
#include "app/shell_state.h"
#include "app/tray_icon.h"
#include "board/board_graphics.h"
#include "text/cp932.h"

namespace {

// The stored position is the visible board's; the window's outer corner
// lies one frame further up and left.
void placeBoard(HWND window, const BoardSettings& boardSettings)
{
    const POINT frame = boardFrameOffset();
    // The option's sense is inverted: 0 keeps the board above other windows.
    HWND order = boardSettings.topmost == 0 ? HWND_TOPMOST : HWND_NOTOPMOST;
    SetWindowPos(window, order, boardSettings.winX - frame.x, boardSettings.winY - frame.y, kBoardOuterWidth,
        kBoardOuterHeight, 0);
}

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

LRESULT onCreate(HWND window, const CREATESTRUCTW* creation)
{
    program.taskbarCreatedMessage = RegisterWindowMessageW(L"TaskbarCreated");
    cp932CopyFit(tipText, kTipTextSize, kProductName);
    resetShellState();
    resetBoardState(board);
    loadSettings(board, window);
    // The stored instance is set only once creation has returned.
    createBoardGraphics(window, creation->hInstance);
    addTrayIcon(window, kTrayIconId, program.icon, tipText);
    if (program.setLayeredWindowAttributes)
        program.setLayeredWindowAttributes(window, colorRefOf(kKeyColour), kLayeredAlpha, LWA_COLORKEY);
    BoardSettings& boardSettings = board.schedule.settings;
    placeBoard(window, boardSettings);
    cutWindowToClientArea(window);

    AutoExitStart autoExit = startAutoExit(boardSettings.autoend, boardSettings.endsec);
    if (autoExit.startTimer) {
        SetTimer(window, kAutoExitTimerId, kAutoExitPeriodMs, nullptr);
        boardSettings.endsec = autoExit.endsec;  // the raised value is what close saves
        shell.autoExitRunning = true;
    }
    startFollowing(window);
    return 0;
}
