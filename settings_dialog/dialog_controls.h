// Plain models of dialog controls: just the properties the settings logic
// reads or sets, in fixed-size storage. Every change made by the program
// is recorded in the control's `changes` bits, so that a front end copies
// only what moved into its real controls and then clears the bits. What
// the user does in a real control comes back through the capture functions
// of settings_dialog.h and records no change: the real control already
// shows it.
#pragma once

#include "text/cp932.h"

#include <cstring>
#include <string_view>

// Bits of `changes`.
constexpr unsigned kChangedItems = 1u << 0;      // list items: rebuild the list
constexpr unsigned kChangedSelection = 1u << 1;  // list selected index
constexpr unsigned kChangedEnabled = 1u << 2;
constexpr unsigned kChangedCheck = 1u << 3;  // radio button or check box
constexpr unsigned kChangedText = 1u << 4;
constexpr unsigned kChangedReadOnly = 1u << 5;
constexpr unsigned kChangedLimit = 1u << 6;  // typing limit of an edit field
constexpr unsigned kChangedAll = 0x7Fu;

constexpr int kNoSelection = -1;

// A list box or a drop-down list: items as NUL-terminated CP932 texts in
// list order, and one selected index.
template <int MaxItems, int ItemSize> struct ItemListControl {
    static constexpr int kMaxItems = MaxItems;
    static constexpr int kItemSize = ItemSize;
    char items[MaxItems][ItemSize];
    int count;
    int selected;  // kNoSelection when nothing is selected
    bool enabled;
    unsigned changes;
};

struct ButtonControl {
    bool enabled;
    unsigned changes;
};

// A radio button or a check box.
struct CheckControl {
    bool on;
    unsigned changes;
};

// An edit field. charLimit 0: no typing limit was set.
template <int Size> struct TextFieldControl {
    static constexpr int kSize = Size;
    char text[Size];
    bool readOnly;
    int charLimit;
    unsigned changes;
};

// ---- Operations. They behave as the real controls do where the logic
// relies on it: inserting does not move the selection onto the new item,
// deleting the selected item leaves no selection, selecting an index that
// is not in the list leaves no selection.

template <int N, int S> void listClear(ItemListControl<N, S>& list)
{
    list.count = 0;
    list.selected = kNoSelection;
    list.changes |= kChangedItems | kChangedSelection;
}

// Returns the index of the new item, or -1 when the list is full.
template <int N, int S> int listAppend(ItemListControl<N, S>& list, std::string_view text)
{
    if (list.count >= N) return -1;
    cp932CopyFit(list.items[list.count], S, text);
    list.changes |= kChangedItems;
    return list.count++;
}

// Returns index, or -1 when the list is full or index is not in 0..count.
template <int N, int S> int listInsert(ItemListControl<N, S>& list, int index, std::string_view text)
{
    if (list.count >= N || index < 0 || index > list.count) return -1;
    std::memmove(list.items[index + 1], list.items[index], static_cast<size_t>(list.count - index) * S);
    cp932CopyFit(list.items[index], S, text);
    ++list.count;
    if (list.selected >= index) ++list.selected;  // the selected item moves down with its text
    list.changes |= kChangedItems | kChangedSelection;
    return index;
}

template <int N, int S> void listDelete(ItemListControl<N, S>& list, int index)
{
    if (index < 0 || index >= list.count) return;
    std::memmove(list.items[index], list.items[index + 1], static_cast<size_t>(list.count - index - 1) * S);
    --list.count;
    if (list.selected == index)
        list.selected = kNoSelection;
    else if (list.selected > index)
        --list.selected;
    list.changes |= kChangedItems | kChangedSelection;
}

template <int N, int S> void listSelect(ItemListControl<N, S>& list, int index)
{
    list.selected = (index >= 0 && index < list.count) ? index : kNoSelection;
    list.changes |= kChangedSelection;
}

template <typename Control> void setEnabled(Control& control, bool enabled)
{
    control.enabled = enabled;
    control.changes |= kChangedEnabled;
}

inline void setChecked(CheckControl& control, bool on)
{
    control.on = on;
    control.changes |= kChangedCheck;
}

// The text is cut back to a whole CP932 character when it does not fit.
template <int S> void setFieldText(TextFieldControl<S>& field, std::string_view text)
{
    cp932CopyFit(field.text, S, text);
    field.changes |= kChangedText;
}

template <int S> void setReadOnly(TextFieldControl<S>& field, bool readOnly)
{
    field.readOnly = readOnly;
    field.changes |= kChangedReadOnly;
}

template <int S> void setCharLimit(TextFieldControl<S>& field, int charLimit)
{
    field.charLimit = charLimit;
    field.changes |= kChangedLimit;
}
