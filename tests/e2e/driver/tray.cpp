#include "tray.h"

#include <shellapi.h>

namespace {
NOTIFYICONDATAW recordFor(HWND board)
{
    NOTIFYICONDATAW record = {};
    record.cbSize = NOTIFYICONDATAW_V1_SIZE;
    record.hWnd = board;
    record.uID = kTrayIconId;
    return record;
}
}  // namespace

bool deleteTrayIcon(HWND board)
{
    NOTIFYICONDATAW record = recordFor(board);
    return Shell_NotifyIconW(NIM_DELETE, &record) != 0;
}

bool modifyTrayIcon(HWND board)
{
    NOTIFYICONDATAW record = recordFor(board);
    // Only the tooltip, set to what the board itself gives, so that a
    // successful modify changes nothing the user could see.
    record.uFlags = NIF_TIP;
    lstrcpynW(record.szTip, L"Notavex", 64);
    return Shell_NotifyIconW(NIM_MODIFY, &record) != 0;
}
