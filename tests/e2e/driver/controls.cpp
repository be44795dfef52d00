#include "controls.h"

#include <stdlib.h>

#include "output.h"

namespace {

constexpr int kTextChars = 4096;
constexpr int kTimeoutMs = 5000;
wchar_t text[kTextChars];

// Sent, not posted: posted messages to another process's dialog were not
// seen to arrive under Wine.
LRESULT sendTo(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kTimeoutMs, &result)) return -1;
    return static_cast<LRESULT>(result);
}

bool isClass(HWND window, const wchar_t* name)
{
    wchar_t className[64];
    return GetClassNameW(window, className, 64) && lstrcmpiW(className, name) == 0;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Four hex digits a UTF-16 unit; false on anything else.
bool parseHex(const char* hex, wchar_t* out, int outChars)
{
    const int digits = lstrlenA(hex);
    if (digits % 4 != 0 || digits / 4 >= outChars) return false;
    for (int n = 0; n < digits / 4; ++n) {
        unsigned unit = 0;
        for (int i = 0; i < 4; ++i) {
            const int digit = hexDigit(hex[n * 4 + i]);
            if (digit < 0) return false;
            unit = unit * 16 + static_cast<unsigned>(digit);
        }
        out[n] = static_cast<wchar_t>(unit);
    }
    out[digits / 4] = L'\0';
    return true;
}

int commandSetText(HWND control, const char* hex)
{
    // "-" stands for the empty text: an empty argument may not survive the
    // trip through Wine's command line.
    if (lstrcmpA(hex, "-") == 0) hex = "";
    if (!parseHex(hex, text, kTextChars)) {
        out("error: the text is not hex of UTF-16 units\n");
        return 2;
    }
    // The field handles WM_SETTEXT as it does typing: it reports the change
    // to the dialog with EN_CHANGE.
    return sendTo(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) == TRUE ? 0 : 1;
}

int commandSelect(HWND dialog, HWND control, int index)
{
    const bool list = isClass(control, L"ListBox");
    if (!list && !isClass(control, L"ComboBox")) {
        out("error: not a list box or a drop-down list\n");
        return 2;
    }
    const LRESULT done = sendTo(control, list ? LB_SETCURSEL : CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    if (done < 0 && index >= 0) {
        out("error: no such item\n");
        return 1;
    }
    // Selecting from the program sends no notification; a user's click does,
    // so the driver sends the one the control would.
    const int id = GetDlgCtrlID(control);
    const WORD code = list ? LBN_SELCHANGE : CBN_SELCHANGE;
    return sendTo(dialog, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(control)) < 0 ? 1 : 0;
}

void printItems(HWND control)
{
    const bool list = isClass(control, L"ListBox");
    if (!list && !isClass(control, L"ComboBox")) return;
    const LRESULT count = sendTo(control, list ? LB_GETCOUNT : CB_GETCOUNT, 0, 0);
    outf("selected %d\ncount %d\n", static_cast<int>(sendTo(control, list ? LB_GETCURSEL : CB_GETCURSEL, 0, 0)),
        static_cast<int>(count));
    for (int i = 0; i < count; ++i) {
        text[0] = L'\0';
        const LRESULT length = sendTo(control, list ? LB_GETTEXTLEN : CB_GETLBTEXTLEN, i, 0);
        if (length >= 0 && length < kTextChars)
            sendTo(control, list ? LB_GETTEXT : CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        outf("item %d ", i);
        outWide(text);
        out("\n");
    }
}

int commandControl(HWND control)
{
    wchar_t className[64] = L"";
    GetClassNameW(control, className, 64);
    text[0] = L'\0';
    sendTo(control, WM_GETTEXT, kTextChars, reinterpret_cast<LPARAM>(text));
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    out("class ");
    outWide(className);
    out("\ntext ");
    outWide(text);
    out("\ntext-hex ");
    outHex(text);
    outf("\nenabled %d\n", IsWindowEnabled(control) ? 1 : 0);
    if (isClass(control, L"Button")) outf("checked %d\n", sendTo(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0);
    if (isClass(control, L"Edit")) {
        outf("readonly %d\n", (style & ES_READONLY) ? 1 : 0);
        outf("limit %d\n", static_cast<int>(sendTo(control, EM_GETLIMITTEXT, 0, 0)));
    }
    printItems(control);
    return 0;
}

}  // namespace

int runControlCommand(HWND dialog, const char* command, int argc, char** argv)
{
    const bool setText = lstrcmpA(command, "set-text") == 0;
    const bool select = lstrcmpA(command, "select") == 0;
    const bool control = lstrcmpA(command, "control") == 0;
    if (!setText && !select && !control) return -1;
    if (argc < (control ? 3 : 4)) {
        out("error: missing arguments\n");
        return 2;
    }
    HWND item = GetDlgItem(dialog, static_cast<int>(strtol(argv[2], nullptr, 0)));
    if (!item) {
        out("error: no such control\n");
        return 1;
    }
    if (setText) return commandSetText(item, argv[3]);
    if (select) return commandSelect(dialog, item, static_cast<int>(strtol(argv[3], nullptr, 0)));
    return commandControl(item);
}
