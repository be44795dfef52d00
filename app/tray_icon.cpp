#include "app/tray_icon.h"

#include "win32/display_dpi.h"
#include "resources/resource.h"
#include "text/cp932.h"
#include "win32/wide_text.h"

NOTIFYICONDATAW trayRecord;
char tipText[kTipTextSize];

HICON loadTrayIcon(HINSTANCE instance)
{
    const int size = smallIconSizeFor(FindWindowW(L"Shell_TrayWnd", nullptr));
    return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_NOTAVEX), IMAGE_ICON, size, size, 0));
}

BOOL addTrayIcon(HWND window, UINT id, HICON icon, const char* tip)
{
    trayRecord = NOTIFYICONDATAW{};
    trayRecord.cbSize = NOTIFYICONDATAW_V1_SIZE;
    trayRecord.hWnd = window;
    trayRecord.uID = id;
    trayRecord.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    trayRecord.uCallbackMessage = kTrayCallbackMessage;
    trayRecord.hIcon = icon;
    if (tip) {
        // The limit counts CP932 bytes, as everywhere in the program.
        char fitted[kTrayTipBytes];
        cp932CopyFit(fitted, kTrayTipBytes, tip);
        toWide(fitted, trayRecord.szTip, kTrayTipBytes);
    }
    return Shell_NotifyIconW(NIM_ADD, &trayRecord);
}

BOOL modifyTrayIcon() { return Shell_NotifyIconW(NIM_MODIFY, &trayRecord); }

void showTrayIconAgain(HWND window, HINSTANCE instance, const char* tip)
{
    HICON before = trayRecord.hIcon;
    if (!addTrayIcon(window, kTrayIconId, loadTrayIcon(instance), tip)) modifyTrayIcon();
    if (before && before != trayRecord.hIcon) DestroyIcon(before);
}

BOOL removeTrayIcon(HWND, UINT)
{
    const BOOL removed = Shell_NotifyIconW(NIM_DELETE, &trayRecord);
    if (trayRecord.hIcon) DestroyIcon(trayRecord.hIcon);
    trayRecord.hIcon = nullptr;
    return removed;
}
