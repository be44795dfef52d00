// The platform side of each control operation: find the control, make one
// call. Texts cross the CP932 <-> UTF-16 door here and nowhere else.
#include "settings_dialog/win32/dialog_win32.h"

#include "settings_dialog/settings_dialog.h"
#include "win32/wide_text.h"

namespace {

constexpr ItemMessages kListBoxMessages = {
    LB_ADDSTRING,
    LB_INSERTSTRING,
    LB_DELETESTRING,
    LB_RESETCONTENT,
    LB_SETCURSEL,
    LB_GETCURSEL,
    LB_GETCOUNT,
    LB_GETTEXTLEN,
    LB_GETTEXT,
};
constexpr ItemMessages kDropDownMessages = {
    CB_ADDSTRING,
    CB_INSERTSTRING,
    CB_DELETESTRING,
    CB_RESETCONTENT,
    CB_SETCURSEL,
    CB_GETCURSEL,
    CB_GETCOUNT,
    CB_GETLBTEXTLEN,
    CB_GETLBTEXT,
};

// Texts set in a control: the message field's text is the longest.
constexpr int kControlTextChars = kMessageFieldSize;

wchar_t wideItem[kItemTextChars];
wchar_t wideText[kControlTextChars];

LRESULT sendTo(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam)
{
    return SendDlgItemMessageW(dialog, id, message, wParam, lParam);
}

}  // namespace

const ItemMessages* itemMessagesOf(int controlId)
{
    switch (settingsControlKind(controlId)) {
    case ControlKind::ListBox: return &kListBoxMessages;
    case ControlKind::DropDown: return &kDropDownMessages;
    default: return nullptr;
    }
}

void enableControl(HWND dialog, int id, bool enabled) { EnableWindow(GetDlgItem(dialog, id), enabled ? TRUE : FALSE); }

void addItem(HWND dialog, int id, const ItemMessages& m, const char* text)
{
    toWide(text, wideItem, kItemTextChars);
    sendTo(dialog, id, m.add, 0, reinterpret_cast<LPARAM>(wideItem));
}

void insertItem(HWND dialog, int id, const ItemMessages& m, int index, const char* text)
{
    toWide(text, wideItem, kItemTextChars);
    sendTo(dialog, id, m.insert, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(wideItem));
}

void deleteItem(HWND dialog, int id, const ItemMessages& m, int index)
{
    sendTo(dialog, id, m.remove, static_cast<WPARAM>(index), 0);
}

void resetItems(HWND dialog, int id, const ItemMessages& m) { sendTo(dialog, id, m.reset, 0, 0); }

// -1 clears the selection.
void selectItem(HWND dialog, int id, const ItemMessages& m, int index)
{
    sendTo(dialog, id, m.setSelection, static_cast<WPARAM>(index), 0);
}

// -1 (LB_ERR, CB_ERR) when nothing is selected.
int selectedItem(HWND dialog, int id, const ItemMessages& m)
{
    return static_cast<int>(sendTo(dialog, id, m.getSelection, 0, 0));
}

int itemCount(HWND dialog, int id, const ItemMessages& m)
{
    const LRESULT count = sendTo(dialog, id, m.count, 0, 0);
    return count > 0 ? static_cast<int>(count) : 0;
}

void readItem(HWND dialog, int id, const ItemMessages& m, int index, wchar_t* out, int outChars)
{
    out[0] = L'\0';
    // The get-text messages take no buffer size: ask for the length first.
    const LRESULT length = sendTo(dialog, id, m.textLength, static_cast<WPARAM>(index), 0);
    if (length < 0 || length >= outChars) return;
    if (sendTo(dialog, id, m.text, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(out)) < 0) out[0] = L'\0';
}

void setCheck(HWND dialog, int id, bool on) { sendTo(dialog, id, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0); }

bool isChecked(HWND dialog, int id) { return sendTo(dialog, id, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void setFieldReadOnly(HWND dialog, int id, bool readOnly)
{
    sendTo(dialog, id, EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
}

void setFieldLimit(HWND dialog, int id, int charLimit)
{
    sendTo(dialog, id, EM_LIMITTEXT, static_cast<WPARAM>(charLimit), 0);
}

void setControlText(HWND dialog, int id, const char* text)
{
    toWide(text, wideText, kControlTextChars);
    SetWindowTextW(GetDlgItem(dialog, id), wideText);
}

void readControlText(HWND dialog, int id, char* out, int outBytes, char32_t* refused)
{
    // The field sets no typing limit; as many UTF-16 units as the model's
    // field has bytes is far more than the 30-byte check needs to see.
    GetWindowTextW(GetDlgItem(dialog, id), wideText, kControlTextChars);
    fromWideExact(wideText, out, outBytes, refused);
}
