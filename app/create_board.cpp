#include "app/auto_exit.h"
#include "app/board_window.h"
#include "app/display_dpi.h"
#include "app/shell_state.h"
#include "app/tray_icon.h"
#include "board/board_graphics.h"
#include "text/cp932.h"
#include "schedule/store.h"
#include "settings_file/settings_file.h"

namespace {

// The stored position is the visible board's; the window's outer corner
// lies one frame further up and left.
void placeBoard(HWND window)
{
    const POINT frame = boardFrameOffset();
    const BoardWindowBox box =
        boardWindowBox(boardSettings.winX, boardSettings.winY, boardGraphics.scale, {frame.x, frame.y});
    // The option's sense is inverted: 0 keeps the board above other windows.
    HWND order = boardSettings.topmost == 0 ? HWND_TOPMOST : HWND_NOTOPMOST;
    SetWindowPos(window, order, box.left, box.top, box.width, box.height, 0);
}

}  // namespace

LRESULT onCreate(HWND window, const CREATESTRUCTW* creation)
{
    taskbarCreatedMessage = RegisterWindowMessageW(L"TaskbarCreated");
    cp932CopyFit(tipText, kTipTextSize, kProductName);
    resetShellState();
    resetStore();
    loadSettings(window);
    buildBoardForDpi(window, windowDpi(window));
    // The stored instance is set only once creation has returned.
    addTrayIcon(window, kTrayIconId, loadTrayIcon(creation->hInstance), tipText);
    if (setLayeredWindowAttributes)
        setLayeredWindowAttributes(window, colorRefOf(kKeyColour), kLayeredAlpha, LWA_COLORKEY);
    // Placing may carry the window onto a monitor of another scale, where
    // WM_DPICHANGED builds the board anew in the place Windows suggests;
    // placing once more puts its corner back at (winX, winY).
    const int dpi = boardGraphics.scale.dpi;
    placeBoard(window);
    if (boardGraphics.scale.dpi != dpi) placeBoard(window);

    AutoExitStart autoExit = startAutoExit(boardSettings.autoend, boardSettings.endsec);
    if (autoExit.startTimer) {
        SetTimer(window, kAutoExitTimerId, kAutoExitPeriodMs, nullptr);
        boardSettings.endsec = autoExit.endsec;  // the raised value is what close saves
        autoExitRunning = true;
    }
    startFollowing(window);
    return 0;
}
