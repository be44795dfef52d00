#include "boxes.h"

#include "board.h"
#include "output.h"

namespace {
constexpr int kTextChars = 70000;  // an overflow box text can be 64 KiB
wchar_t text[kTextChars];

bool hasClass(HWND window, const wchar_t* name)
{
    wchar_t className[64];
    if (!GetClassNameW(window, className, 64)) return false;
    return lstrcmpW(className, name) == 0;
}

struct MenuSearch {
    HWND found;
};

BOOL CALLBACK findMenuWindow(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<MenuSearch*>(param);
    if (IsWindowVisible(window) && hasClass(window, L"#32768")) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

struct DialogSearch {
    HWND owner;
    HWND* found;
    int capacity;
    int count;
};

BOOL CALLBACK findDialogWindow(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<DialogSearch*>(param);
    if (IsWindowVisible(window) && hasClass(window, L"#32770") && GetWindow(window, GW_OWNER) == search->owner) {
        if (search->count < search->capacity) search->found[search->count] = window;
        ++search->count;
    }
    return TRUE;
}

BOOL CALLBACK printControl(HWND control, LPARAM)
{
    wchar_t className[64];
    if (!GetClassNameW(control, className, 64)) className[0] = 0;
    text[0] = 0;
    // WM_GETTEXT sent across processes: the text comes back as UTF-16
    // whatever the code page of either side.
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(
        control, WM_GETTEXT, kTextChars, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, &ignored);
    int id = GetDlgCtrlID(control);
    outf("item %d ", id);
    outWide(className);
    out(" ");
    outWide(text);
    out("\nitem-hex ");
    outf("%d ", id);
    outHex(text);
    outf("\nitem-state %d visible=%d enabled=%d\n", id, IsWindowVisible(control) ? 1 : 0,
        IsWindowEnabled(control) ? 1 : 0);
    RECT rect = {0, 0, 0, 0};
    GetWindowRect(control, &rect);
    outf("item-rect %d %ld %ld %ld %ld\n", id, rect.left, rect.top, rect.right, rect.bottom);
    return TRUE;
}
}  // namespace

HWND findPopupMenu()
{
    MenuSearch search = {nullptr};
    EnumWindows(findMenuWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

int findOwnedDialogs(HWND owner, HWND* found, int capacity)
{
    DialogSearch search = {owner, found, capacity, 0};
    EnumWindows(findDialogWindow, reinterpret_cast<LPARAM>(&search));
    return search.count;
}

HWND waitOwnedDialog(HWND owner, int ms)
{
    for (int waited = 0;; waited += 50) {
        HWND dialog = nullptr;
        if (findOwnedDialogs(owner, &dialog, 1) > 0) return dialog;
        if (waited >= ms) return nullptr;
        Sleep(50);
    }
}

void printDialog(HWND dialog)
{
    printWindow("dialog", dialog);
    text[0] = 0;
    GetWindowTextW(dialog, text, kTextChars);  // the caption, UTF-16 from the W function
    out("caption ");
    outWide(text);
    out("\ncaption-hex ");
    outHex(text);
    out("\n");
    EnumChildWindows(dialog, printControl, 0);
}

bool pressButton(HWND dialog, int id)
{
    HWND button = GetDlgItem(dialog, id);
    if (!button) return false;
    // Sent, not posted: a posted click to another process's dialog was not
    // seen to arrive under Wine.
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored) != 0;
}
