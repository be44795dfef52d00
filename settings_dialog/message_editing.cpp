#include "settings_dialog/dialog_internal.h"

#include <cstring>

namespace {

// The field may hold far more than a message; the store keeps what fits
// its buffer, cut on a whole character.
void storeFieldText(MessageEntry& entry)
{
    cp932CopyFit(entry.text, kMessageTextSize, dialogControls.messageField.text);
}

// The selected message, or -1 when the list has none that the table holds.
int selectedMessage()
{
    const int selected = dialogControls.messageList.selected;
    if (editedTable().MessageNum <= 0 || selected < 0 || selected >= editedTable().MessageNum) return -1;
    return selected;
}

}  // namespace

void messageListSelectionChange()
{
    SettingsDialogControls& c = dialogControls;
    const int selected = selectedMessage();
    // With no item selected the current message stays what it was, so the
    // date buttons keep working on a message that exists.
    if (selected >= 0) {
        dialogState.currentMessage = selected;
        dialogState.messageSelected = 1;
        setMessageFieldText(editedTable().entries[selected].text);
        fillDateList();
        dialogState.dateSelected = 0;
    }
    // The shown text is the stored one: it must be edited before it can be
    // added or written back.
    setEnabled(c.addMessageButton, false);
    setEnabled(c.changeMessageButton, false);
    setEnabled(c.deleteMessageButton, true);
    setEnabled(c.addDateButton, true);
    setEnabled(c.changeDateButton, false);
    setEnabled(c.deleteDateButton, false);
    keepEditingButtonsSound();
}

void addMessage()
{
    SettingsDialogControls& c = dialogControls;
    // The text check keeps the button off at a full table or with a
    // character CP932 lacks; a stray call must not run past it either.
    if (editedTable().MessageNum >= kMaxMessages || dialogState.refusedCharacter != 0) return;
    const int added = editedTable().MessageNum++;
    MessageEntry& entry = editedTable().entries[added];
    entry.dateNum = 0;
    storeFieldText(entry);

    listAppend(c.messageList, entry.text);
    listSelect(c.messageList, added);
    dialogState.currentMessage = added;
    setMessageFieldText("");
    dialogState.messageSelected = 1;
    dialogState.dateSelected = 0;
    listClear(c.dateList);
    // The boxes keep their values, so a first date can be added at once.
    setEnabled(c.addDateButton, true);
    setEnabled(c.deleteMessageButton, true);
    keepEditingButtonsSound();
}

void changeMessage()
{
    MessageListControl& list = dialogControls.messageList;
    const int selected = selectedMessage();
    if (selected < 0 || dialogState.refusedCharacter != 0) return;
    MessageEntry& entry = editedTable().entries[selected];
    storeFieldText(entry);
    // Replacing the item leaves the list without a selection.
    listDelete(list, selected);
    listInsert(list, selected, entry.text);
}

void deleteMessage()
{
    SettingsDialogControls& c = dialogControls;
    const int deleted = selectedMessage();
    if (deleted < 0) return;
    const int count = editedTable().MessageNum;
    listDelete(c.messageList, deleted);

    int next = -1;
    if (count < 2) {
        setEnabled(c.deleteMessageButton, false);
        setEnabled(c.addDateButton, false);
        dialogState.messageSelected = 0;
    } else {
        next = deleted >= count - 1 ? deleted - 1 : deleted;
        listSelect(c.messageList, next);
    }

    for (int k = deleted + 1; k < count; ++k) {
        MessageEntry& to = editedTable().entries[k - 1];
        const MessageEntry& from = editedTable().entries[k];
        std::memcpy(to.text, from.text, kMessageTextSize);
        to.dateNum = from.dateNum;
        const int dates = from.dateNum < kMaxDatesPerMessage ? from.dateNum : kMaxDatesPerMessage;
        for (int d = 0; d < dates; ++d) to.dates[d] = from.dates[d];
    }
    editedTable().MessageNum = count - 1;

    if (next >= 0) {
        dialogState.currentMessage = next;
        dialogState.messageSelected = 1;
        // Checked against the reduced count: a full table is full no more.
        setMessageFieldText(editedTable().entries[next].text);
    }
    listClear(c.dateList);
    if (editedTable().MessageNum > 0) fillDateList();
    dialogState.dateSelected = 0;

    setEnabled(c.addMessageButton, false);
    setEnabled(c.changeMessageButton, false);
    setEnabled(c.changeDateButton, false);
    setEnabled(c.deleteDateButton, false);
    keepEditingButtonsSound();
}
