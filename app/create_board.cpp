#include "app/auto_exit.h"
#include "app/board_window.h"
#include "win32/display_dpi.h"
#include "app/shell_state.h"
#include "app/tray_icon.h"
#include "board/board_graphics.h"
#include "text/cp932.h"

// The stored position is the visible board's; the window's outer corner
// lies one frame further up and left.
void placeBoard(HWND window)
{
    const BoardSettings& boardSettings = board.schedule.settings;
    const POINT frame = boardFrameOffset();
    const BoardWindowBox box =
        boardWindowBox(boardSettings.winX, boardSettings.winY, boardGraphics.scale, {frame.x, frame.y});
    // The option's sense is inverted: 0 keeps the board above other windows.
    HWND order = boardSettings.topmost == 0 ? HWND_TOPMOST : HWND_NOTOPMOST;
    SetWindowPos(window, order, box.left, box.top, box.width, box.height, 0);
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
    buildBoardForDpi(window, windowDpi(window));
    // The stored instance is set only once creation has returned.
    addTrayIcon(window, kTrayIconId, loadTrayIcon(creation->hInstance), tipText);
    if (program.setLayeredWindowAttributes)
        program.setLayeredWindowAttributes(window, colorRefOf(kKeyColour), kLayeredAlpha, LWA_COLORKEY);
    // Placing may carry the window onto a monitor of another scale, where
    // WM_DPICHANGED builds the board anew in the place Windows suggests;
    // placing once more puts its corner back at (winX, winY).
    const int dpi = boardGraphics.scale.dpi;
    placeBoard(window);
    if (boardGraphics.scale.dpi != dpi) placeBoard(window);
    startAutoExitTimer(window);
    startFollowing(window);
    return 0;
}
