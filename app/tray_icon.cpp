#include "app/tray_icon.h"

#include "text/cp932.h"
#include "win32/wide_text.h"

NOTIFYICONDATAW trayRecord;
char tipText[kTipTextSize];

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

BOOL removeTrayIcon(HWND, UINT) { return Shell_NotifyIconW(NIM_DELETE, &trayRecord); }
