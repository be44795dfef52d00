// The icon in the notification area and its one record.
#pragma once

#include <windows.h>
#include <shellapi.h>

constexpr UINT kTrayIconId = 101;
constexpr UINT kTrayCallbackMessage = WM_USER;
constexpr int kTipTextSize = 20;
constexpr int kTrayTipBytes = 64;  // the tooltip of the first record layout

extern NOTIFYICONDATAW trayRecord;
// The tooltip, CP932: the product name, set at creation.
extern char tipText[kTipTextSize];

// The application icon at the size the notification area shows, which
// follows the taskbar's scale, not the board's monitor.
HICON loadTrayIcon(HINSTANCE instance);
// Fills trayRecord and adds the icon; tip may be null. Non-zero on success.
BOOL addTrayIcon(HWND window, UINT id, HICON icon, const char* tip);
// The taskbar came (again): adds the icon, loaded anew at today's size, or
// else brings the one there up to date.
void showTrayIconAgain(HWND window, HINSTANCE instance, const char* tip);
// Changes the icon the record names to what the record says.
BOOL modifyTrayIcon();
// Deletes the icon the last add described, and its image.
BOOL removeTrayIcon(HWND window, UINT id);
