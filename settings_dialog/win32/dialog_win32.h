// Pieces of the Win32 settings dialog shared by its files; not for callers.
#pragma once

#include <windows.h>

// A list box or a drop-down list: the same operations under other numbers.
struct ItemMessages {
    UINT add;
    UINT insert;
    UINT remove;
    UINT reset;
    UINT setSelection;
    UINT getSelection;
    UINT count;
    UINT textLength;
    UINT text;
};

// The list messages of control id's kind; null for a control without items.
const ItemMessages* itemMessagesOf(int controlId);

// Item texts are CP932 in the model: at most kMessageTextSize bytes, so as
// many UTF-16 units are always enough.
constexpr int kItemTextChars = 128;

// ---- One platform call each (control_calls.cpp).
void enableControl(HWND dialog, int id, bool enabled);
void addItem(HWND dialog, int id, const ItemMessages& m, const char* text);
void insertItem(HWND dialog, int id, const ItemMessages& m, int index, const char* text);
void deleteItem(HWND dialog, int id, const ItemMessages& m, int index);
void resetItems(HWND dialog, int id, const ItemMessages& m);
void selectItem(HWND dialog, int id, const ItemMessages& m, int index);
int selectedItem(HWND dialog, int id, const ItemMessages& m);
int itemCount(HWND dialog, int id, const ItemMessages& m);
// The item's text in UTF-16; empty when it does not fit or does not exist.
void readItem(HWND dialog, int id, const ItemMessages& m, int index, wchar_t* out, int outChars);
void setCheck(HWND dialog, int id, bool on);
bool isChecked(HWND dialog, int id);
void setFieldReadOnly(HWND dialog, int id, bool readOnly);
void setFieldLimit(HWND dialog, int id, int charLimit);
void setControlText(HWND dialog, int id, const char* text);
// The control's text in CP932, cut on a whole character to outBytes; a
// character CP932 lacks reads as "?" and the first is named in *refused.
void readControlText(HWND dialog, int id, char* out, int outBytes, char32_t* refused);

// ---- The model into the real controls (mirror.cpp).
// Copies every property the model marked as changed. Notifications the
// copying makes the controls send are not the user's and must be ignored
// meanwhile: mirroring() is true for that time.
void mirrorControls(HWND dialog);
bool mirroring();

// ---- The user's input into the model (capture.cpp).
void captureControl(HWND dialog, int id);
