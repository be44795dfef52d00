// The notification-area side: what the shell does to the board's tray icon.
#pragma once

#include <windows.h>

constexpr UINT kTrayIconId = 101;

// NIM_DELETE of the board's icon 101; true when the shell accepted it.
bool deleteTrayIcon(HWND board);
// NIM_MODIFY of the board's icon 101 (tooltip only); true when it exists.
bool modifyTrayIcon(HWND board);
