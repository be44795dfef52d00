#include "app/board_window.h"

#include "app/auto_exit.h"
#include "app/board_lock.h"
#include "app/gesture.h"
#include "app/popup_menu.h"
#include "app/shell_state.h"
#include "app/tray_icon.h"
#include "board/board_graphics.h"

namespace {

// SC_MOVE with HTCAPTION: the system drags the window as if by its caption.
constexpr WPARAM kMoveByCaption = SC_MOVE | HTCAPTION;

LRESULT onPaint(HWND window) { return paintBoard(window, board.schedule, board.calendar); }

LRESULT onDestroy(HWND window) { return closeBoard(window); }

LRESULT onAutoExitTick(HWND window)
{
    AutoExitTick tick = countAutoExitTick(shell.autoendTicks, board.schedule.settings.endsec, modalOpen);
    shell.autoendTicks = tick.ticks;
    if (tick.close) return closeBoard(window);
    return 0;
}

// Each timer by its id: only the auto-exit timer counts ticks.
LRESULT onTimer(HWND window, WPARAM wParam, LPARAM lParam)
{
    switch (wParam) {
    case kAutoExitTimerId: return onAutoExitTick(window);
    case kDateTimerId: followDate(window); return 0;
    case kFileTimerId: followFile(window); return 0;
    default: break;
    }
    return DefWindowProcW(window, WM_TIMER, wParam, lParam);
}

// The clock was set, perhaps to another day.
LRESULT onTimeChange(HWND window)
{
    followDate(window);
    return 0;
}

// Back from sleep or hibernation, perhaps on another day.
LRESULT onPowerBroadcast(HWND window, WPARAM wParam, LPARAM lParam)
{
    if (wParam == PBT_APMRESUMEAUTOMATIC || wParam == PBT_APMRESUMESUSPEND) followDate(window);
    return DefWindowProcW(window, WM_POWERBROADCAST, wParam, lParam);
}

// The gesture messages: step the state machine, act, then default handling.
LRESULT onGesture(HWND window, UINT message, WPARAM wParam, LPARAM lParam, GestureEvent event)
{
    GestureStep step = stepGesture(shell.mouseState, event);
    if (step.action == GestureAction::StartMove)
        SendMessageW(window, WM_SYSCOMMAND, kMoveByCaption, 0);  // returns when the move ends
    else if (step.action == GestureAction::Close)
        closeBoard(window);
    shell.mouseState = step.state;
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT onLButtonDown(HWND window, WPARAM wParam, LPARAM lParam)
{
    return onGesture(window, WM_LBUTTONDOWN, wParam, lParam, GestureEvent::ButtonDown);
}

LRESULT onMouseMove(HWND window, WPARAM wParam, LPARAM lParam)
{
    return onGesture(window, WM_MOUSEMOVE, wParam, lParam, GestureEvent::MouseMove);
}

LRESULT onLButtonUp(HWND window, WPARAM wParam, LPARAM lParam)
{
    return onGesture(window, WM_LBUTTONUP, wParam, lParam, GestureEvent::ButtonUp);
}

LRESULT onCaptureChanged(HWND window, WPARAM wParam, LPARAM lParam)
{
    return onGesture(window, WM_CAPTURECHANGED, wParam, lParam, GestureEvent::CaptureChanged);
}

LRESULT onRButtonDown(HWND window, WPARAM wParam, LPARAM lParam)
{
    if (modalOpen == 0) showPopupMenu(window);
    return DefWindowProcW(window, WM_RBUTTONDOWN, wParam, lParam);
}

// The tray icon's mouse messages; lParam is the mouse message on the icon.
LRESULT onTrayCallback(HWND window, WPARAM wParam, LPARAM lParam)
{
    if (lParam == WM_LBUTTONDOWN) {
        SetForegroundWindow(window);
        InvalidateRect(window, nullptr, FALSE);  // repaints, with the overflow box if due
    } else if (lParam == WM_RBUTTONDOWN && modalOpen == 0) {
        showPopupMenu(window);
    }
    // Lets the menu close properly when the user clicks elsewhere.
    PostMessageW(window, WM_NULL, 0, 0);
    return DefWindowProcW(window, kTrayCallbackMessage, wParam, lParam);
}

// The taskbar was recreated, or the display scaling changed and the shell
// still has the icon: add it, or else bring the one there up to date, at
// the size the taskbar now shows.
LRESULT onTaskbarCreated(HWND window, WPARAM wParam, LPARAM lParam)
{
    if (shell.closeProgress == CloseProgress::Open) showTrayIconAgain(window, program.instance, tipText);
    return DefWindowProcW(window, program.taskbarCreatedMessage, wParam, lParam);
}

// Logoff, shutdown or a restart for updates: the board agrees at once.
LRESULT onQueryEndSession() { return TRUE; }

// The session ends and the process with it, without a WM_DESTROY: the close
// runs here, before the return, and shows nothing that would hold it up.
LRESULT onEndSession(HWND window, WPARAM ending)
{
    if (!ending) return 0;
    board.quiet = true;
    closeBoard(window);
    return 0;
}

// The window exists from here on: the lock names it at once, so that a
// second start finds it even while creation waits on a box.
LRESULT onNcCreate(HWND window, WPARAM wParam, LPARAM lParam)
{
    recordBoardInLock(window);
    return DefWindowProcW(window, WM_NCCREATE, wParam, lParam);
}

// A second start in this folder asks the board to show itself: to the front
// and repainted as after a left press on the tray icon, with an open dialog
// in front of it.
LRESULT onShowRequest(HWND window)
{
    if (!IsWindowVisible(window)) {
        // Still inside its creation: only a box about the settings file is up.
        HWND box = GetLastActivePopup(window);
        if (box != window) SetForegroundWindow(box);
        return 0;
    }
    SetForegroundWindow(window);
    InvalidateRect(window, nullptr, FALSE);
    // Every paint brings the board to the front: paint now, then the box.
    UpdateWindow(window);
    if (program.openBox && IsWindowVisible(program.openBox)) SetForegroundWindow(program.openBox);
    return 0;
}

}  // namespace

LRESULT CALLBACK boardWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCCREATE: return onNcCreate(window, wParam, lParam);
    case WM_CREATE: return onCreate(window, reinterpret_cast<const CREATESTRUCTW*>(lParam));
    case WM_PAINT: return onPaint(window);
    case WM_DESTROY: return onDestroy(window);
    case WM_COMMAND: return onCommand(window, wParam, lParam);
    case WM_TIMER: return onTimer(window, wParam, lParam);
    case WM_TIMECHANGE: return onTimeChange(window);
    case WM_POWERBROADCAST: return onPowerBroadcast(window, wParam, lParam);
    case WM_QUERYENDSESSION: return onQueryEndSession();
    case WM_ENDSESSION: return onEndSession(window, wParam);
    case WM_LBUTTONDOWN: return onLButtonDown(window, wParam, lParam);
    case WM_MOUSEMOVE: return onMouseMove(window, wParam, lParam);
    case WM_LBUTTONUP: return onLButtonUp(window, wParam, lParam);
    case WM_CAPTURECHANGED: return onCaptureChanged(window, wParam, lParam);
    case WM_RBUTTONDOWN: return onRButtonDown(window, wParam, lParam);
    case kTrayCallbackMessage: return onTrayCallback(window, wParam, lParam);
    case WM_GETDPISCALEDSIZE: return onGetDpiScaledSize(window, wParam, lParam);
    case WM_DPICHANGED: return onDpiChanged(window, wParam, lParam);
    default: break;
    }
    // A registered number, known only at run time.
    if (message == program.taskbarCreatedMessage && message != 0) return onTaskbarCreated(window, wParam, lParam);
    if (message == program.showBoardMessage && message != 0) return onShowRequest(window);
    return DefWindowProcW(window, message, wParam, lParam);
}
