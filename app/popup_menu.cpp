#include "app/popup_menu.h"

#include "app/board_window.h"
#include "app/startup_shortcut.h"
#include "resources/resource.h"
#include "win32/wide_text.h"

namespace {

constexpr int kMenuErrorSize = 64;
constexpr char kMenuErrorFormat[] = "ポップアップメニューエラー%d";
constexpr char kMenuErrorCaption[] = "OPEN ERROR";
// Bottom-left corner at the cursor; items are chosen with the left button.
constexpr UINT kPopupFlags = TPM_BOTTOMALIGN | TPM_LEFTALIGN | TPM_LEFTBUTTON;

}  // namespace

int showPopupMenu(HWND window)
{
    // A fresh copy for every showing: nothing of it outlives this call.
    HMENU menu = LoadMenuW(program.instance, MAKEINTRESOURCEW(IDR_POPUP_MENU));
    HMENU popup = GetSubMenu(menu, 0);
    CheckMenuItem(popup, IDM_STARTUP, MF_BYCOMMAND | (hasStartupShortcut() ? MF_CHECKED : MF_UNCHECKED));
    POINT cursor;
    GetCursorPos(&cursor);
    // Without this the menu stays open when the user clicks elsewhere.
    SetForegroundWindow(window);
    if (!TrackPopupMenu(popup, kPopupFlags, cursor.x, cursor.y, 0, window, nullptr)) {
        char text[kMenuErrorSize];
        wsprintfA(text, kMenuErrorFormat, static_cast<int>(GetLastError()));
        messageBox932(window, text, kMenuErrorCaption, MB_OK);
    }
    DestroyMenu(menu);
    return 0;
}
