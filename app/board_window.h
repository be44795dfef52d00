// The board window: its class, its window procedure and the shell state that
// only Windows has.
#pragma once

#include "app/board_lock.h"
#include "settings_file/settings_file.h"

#include <windows.h>

constexpr wchar_t kBoardClassName[] = L"Notavex";
constexpr wchar_t kBoardTitle[] = L"Notavex";
constexpr char kProductName[] = "Notavex";
constexpr UINT_PTR kAutoExitTimerId = 1;
constexpr UINT kAutoExitPeriodMs = 1000;
constexpr UINT_PTR kDateTimerId = 2;
constexpr UINT_PTR kFileTimerId = 3;
constexpr UINT kFileLookPeriodMs = 2000;
constexpr BYTE kLayeredAlpha = 100;  // ignored under a colour key

using SetLayeredWindowAttributesFunction = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

// What the program holds of Windows for the board window's whole life.
struct BoardProgram {
    HINSTANCE instance;
    HICON icon;
    UINT taskbarCreatedMessage;
    UINT showBoardMessage;  // a second start's request: show yourself
    BoardLock lock;         // what became of the lock at start
    // The settings dialog or the version box while one is open, else null.
    HWND openBox;
    // Null where the system lacks layered windows: the corners then show.
    SetLayeredWindowAttributesFunction setLayeredWindowAttributes;
};

extern BoardProgram program;
// The board's schedule, calendar and what it knows of notavex.ini: the one
// place they live.
extern BoardState board;

LRESULT CALLBACK boardWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// WM_CREATE: the creation sequence. Result 0.
LRESULT onCreate(HWND window, const CREATESTRUCTW* creation);
// WM_COMMAND: the popup menu's commands, then default processing.
LRESULT onCommand(HWND window, WPARAM wParam, LPARAM lParam);

// Sets the timers of the date check (2) and the file watch (3).
void startFollowing(HWND window);
// Timer 2, WM_TIMECHANGE and a wake from sleep: a new local date computes
// the calendar again and repaints the board without raising it.
void followDate(HWND window);
// Timer 3, and the date check's minute: a look at the settings file; a
// change read repaints the board.
void followFile(HWND window);
// A change notification of the board's folder: the looks start.
void followFolder(HWND window);

// The window's dialog frame around the board picture, as the system draws
// it at the board's scale: the stored position is the picture's corner, the
// window's own lies this much further up and left.
POINT boardFrameOffset();

// Puts the window where the board's settings say, in their z-order: at
// start, and when the file the start could not read is read at last.
void placeBoard(HWND window);
// Starts the automatic exit when the settings ask for it and it does not
// run yet.
void startAutoExitTimer(HWND window);
// Makes the board for a DPI: sizes, picture, fonts, frame and region. The
// window keeps its place and size; the caller moves it.
void buildBoardForDpi(HWND window, int dpi);
// WM_GETDPISCALEDSIZE: the window's size at the coming DPI. Result TRUE.
LRESULT onGetDpiScaledSize(HWND window, WPARAM wParam, LPARAM lParam);
// WM_DPICHANGED: the board built for the new DPI, in the rectangle Windows
// suggests. Result 0.
LRESULT onDpiChanged(HWND window, WPARAM wParam, LPARAM lParam);

// Records the position, saves, releases the drawing objects and the tray
// icon and asks the loop to end; once only. Result 0.
int closeBoard(HWND window);
