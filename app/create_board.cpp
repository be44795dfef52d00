#include "app/auto_exit.h"
#include "app/board_window.h"
#include "app/shell_state.h"
#include "app/tray_icon.h"
#include "board/board_graphics.h"
#include "schedule/cp932.h"
#include "schedule/store.h"
#include "settings_file/settings_file.h"

namespace {

// The stored position is the visible board's; the window's outer corner
// lies one frame further up and left.
void placeBoard(HWND window)
{
    const int fx = GetSystemMetrics(SM_CXDLGFRAME);
    const int fy = GetSystemMetrics(SM_CYDLGFRAME);
    // The option's sense is inverted: 0 keeps the board above other windows.
    HWND order = boardSettings.topmost == 0 ? HWND_TOPMOST : HWND_NOTOPMOST;
    SetWindowPos(window, order, boardSettings.winX - fx, boardSettings.winY - fy, kBoardOuterWidth,
                 kBoardOuterHeight, 0);
}

// The board is exactly the client area: cutting the window to it hides the
// frame. Once, here: the region never changes, and setting it with a redraw
// during a paint would ask for another paint. The region belongs to the
// window once it is set.
void cutWindowToClientArea(HWND window)
{
    const int fx = GetSystemMetrics(SM_CXDLGFRAME);
    const int fy = GetSystemMetrics(SM_CYDLGFRAME);
    HRGN region = CreateRectRgn(fx, fy, kBoardOuterWidth - fx, kBoardOuterHeight - fy);
    if (!SetWindowRgn(window, region, FALSE)) DeleteObject(region);
}

}  // namespace

LRESULT onCreate(HWND window, const CREATESTRUCTW* creation)
{
    taskbarCreatedMessage = RegisterWindowMessageW(L"TaskbarCreated");
    cp932CopyFit(tipText, kTipTextSize, kProductName);
    resetShellState();
    resetStore();
    loadSettings(window);
    // The stored instance is set only once creation has returned.
    createBoardGraphics(window, creation->hInstance);
    addTrayIcon(window, kTrayIconId, applicationIcon, tipText);
    if (setLayeredWindowAttributes)
        setLayeredWindowAttributes(window, kBoardKeyColour, kLayeredAlpha, LWA_COLORKEY);
    placeBoard(window);
    cutWindowToClientArea(window);

    AutoExitStart autoExit = startAutoExit(boardSettings.autoend, boardSettings.endsec);
    if (autoExit.startTimer) {
        SetTimer(window, kAutoExitTimerId, kAutoExitPeriodMs, nullptr);
        boardSettings.endsec = autoExit.endsec;  // the raised value is what close saves
        autoExitRunning = true;
    }
    startFollowing(window);
    return 0;
}
