// Copies what the model changed into the real controls, property by
// property, as the change bits name them.
#include "settings_dialog/win32/dialog_win32.h"

#include "settings_dialog/settings_dialog.h"
#include "win32/wide_text.h"

namespace {

bool mirrorRunning = false;

wchar_t realItem[kItemTextChars];
wchar_t modelItem[kItemTextChars];

bool sameWide(const wchar_t* a, const wchar_t* b)
{
    while (*a && *a == *b) {
        ++a;
        ++b;
    }
    return *a == *b;
}

bool sameItem(HWND dialog, int id, const ItemMessages& m, int realIndex, int modelIndex)
{
    readItem(dialog, id, m, realIndex, realItem, kItemTextChars);
    toWide(controlItemText(id, modelIndex), modelItem, kItemTextChars);
    return sameWide(realItem, modelItem);
}

// Brings the real items to the model's by replacing only the run between
// the equal head and the equal tail: an added message is one insertion, a
// changed one a deletion and an insertion, and the list keeps its scroll
// position instead of jumping back to the top.
void mirrorItems(HWND dialog, int id, const ItemMessages& m)
{
    const int realCount = itemCount(dialog, id, m);
    const int modelCount = controlItemCount(id);
    if (modelCount == 0) {
        if (realCount > 0) resetItems(dialog, id, m);
        return;
    }
    int head = 0;
    while (head < realCount && head < modelCount && sameItem(dialog, id, m, head, head)) ++head;
    int tail = 0;
    while (tail < realCount - head && tail < modelCount - head
        && sameItem(dialog, id, m, realCount - 1 - tail, modelCount - 1 - tail))
        ++tail;
    if (head == 0 && tail == 0) {
        if (realCount > 0) resetItems(dialog, id, m);
        for (int i = 0; i < modelCount; ++i) addItem(dialog, id, m, controlItemText(id, i));
        return;
    }
    for (int i = realCount - tail - 1; i >= head; --i) deleteItem(dialog, id, m, i);
    for (int i = head; i < modelCount - tail; ++i) insertItem(dialog, id, m, i, controlItemText(id, i));
}

// The properties a control of each kind has. The initialisation marks every
// bit of every control; a bit a kind lacks must not reach the real control,
// or a button would be given the empty text of a field it does not have.
unsigned propertiesOf(ControlKind kind)
{
    switch (kind) {
    case ControlKind::ListBox:
    case ControlKind::DropDown: return kChangedItems | kChangedSelection | kChangedEnabled;
    case ControlKind::PushButton: return kChangedEnabled;
    case ControlKind::CheckButton: return kChangedCheck;
    case ControlKind::EditField: return kChangedText | kChangedReadOnly | kChangedLimit;
    case ControlKind::None: break;
    }
    return 0;
}

void mirrorControl(HWND dialog, int id, unsigned changes)
{
    changes &= propertiesOf(settingsControlKind(id));
    if (const ItemMessages* m = itemMessagesOf(id)) {
        if (changes & kChangedItems) mirrorItems(dialog, id, *m);
        // Rebuilt items lose the selection: set it again after them.
        if (changes & (kChangedItems | kChangedSelection)) selectItem(dialog, id, *m, controlSelection(id));
    }
    if (changes & kChangedEnabled) enableControl(dialog, id, controlEnabled(id));
    if (changes & kChangedCheck) setCheck(dialog, id, controlChecked(id));
    if (changes & kChangedText) setControlText(dialog, id, controlText(id));
    if (changes & kChangedReadOnly) setFieldReadOnly(dialog, id, controlReadOnly(id));
    // A field without a limit was never given one: nothing to copy.
    if ((changes & kChangedLimit) && controlCharLimit(id) > 0) setFieldLimit(dialog, id, controlCharLimit(id));
}

}  // namespace

bool mirroring() { return mirrorRunning; }

void mirrorControls(HWND dialog)
{
    mirrorRunning = true;
    for (int id : kSettingsControlIds) {
        const unsigned changes = takeControlChanges(id);
        if (changes) mirrorControl(dialog, id, changes);
    }
    mirrorRunning = false;
}
