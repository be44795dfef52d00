#include "settings_dialog/dialog_internal.h"

namespace {

int storedDates(const MessageEntry& entry)
{
    if (entry.dateNum < 0) return 0;
    return entry.dateNum < kMaxDatesPerMessage ? entry.dateNum : kMaxDatesPerMessage;
}

// The selected date, or -1 when the list has none that the message holds.
int selectedDate()
{
    const int selected = dialogControls.dateList.selected;
    if (selected < 0 || selected >= storedDates(currentEntry())) return -1;
    return selected;
}

void appendDateLabel(DateCode code)
{
    char label[kDateLabelSize];
    formatDateCodeLabel(code, label, kDateLabelSize);
    listAppend(dialogControls.dateList, label);
}

}  // namespace

void fillDateList()
{
    listClear(dialogControls.dateList);
    const MessageEntry& entry = currentEntry();
    const int dates = storedDates(entry);
    for (int k = 0; k < dates; ++k) appendDateLabel(entry.dates[k]);
}

void dateListSelectionChange()
{
    SettingsDialogControls& c = dialogControls;
    const int selected = selectedDate();
    if (selected >= 0) {
        dialogState.dateSelected = 1;
        showDateInBoxes(currentEntry().dates[selected]);
    }
    // The boxes show the stored date: adding it again or writing it back
    // waits for a change in a box.
    setEnabled(c.addDateButton, false);
    setEnabled(c.changeDateButton, false);
    setEnabled(c.deleteDateButton, true);
    keepEditingButtonsSound();
}

void addDate()
{
    SettingsDialogControls& c = dialogControls;
    MessageEntry& entry = currentEntry();
    // The button is kept off in these cases; a stray call stores nothing.
    if (editedTable().MessageNum <= 0 || !dialogState.messageSelected || entry.dateNum < 0
        || entry.dateNum >= kMaxDatesPerMessage || !dateEntryComplete())
        return;
    const int added = entry.dateNum++;
    entry.dates[added] = composeDateCode();
    appendDateLabel(entry.dates[added]);
    listSelect(c.dateList, added);
    dialogState.dateSelected = 1;
    setEnabled(c.addDateButton, false);
    setEnabled(c.changeDateButton, false);
    setEnabled(c.deleteDateButton, true);
    keepEditingButtonsSound();
}

void changeDate()
{
    SettingsDialogControls& c = dialogControls;
    const int selected = selectedDate();
    // After Add message the button may still be on with an empty date list:
    // without a selected date there is nothing to replace.
    if (selected < 0 || !dateEntryComplete()) return;
    MessageEntry& entry = currentEntry();
    entry.dates[selected] = composeDateCode();
    char label[kDateLabelSize];
    formatDateCodeLabel(entry.dates[selected], label, kDateLabelSize);
    listDelete(c.dateList, selected);
    listInsert(c.dateList, selected, label);
    listSelect(c.dateList, selected);
    setEnabled(c.addDateButton, false);
    setEnabled(c.changeDateButton, false);
    setEnabled(c.deleteDateButton, true);
    keepEditingButtonsSound();
}

void deleteDate()
{
    SettingsDialogControls& c = dialogControls;
    const int deleted = selectedDate();
    if (deleted < 0) return;
    MessageEntry& entry = currentEntry();
    const int count = storedDates(entry);
    listDelete(c.dateList, deleted);

    if (count < 2) {
        // The boxes keep their values: the date can be added back at once.
        setEnabled(c.addDateButton, true);
        setEnabled(c.deleteDateButton, false);
        setEnabled(c.changeDateButton, false);
        dialogState.dateSelected = 0;
    } else {
        // The date that takes the deleted one's place, or the one before it.
        const int shown = deleted < count - 1 ? deleted : deleted - 1;
        listSelect(c.dateList, shown);
        showDateInBoxes(entry.dates[deleted < count - 1 ? deleted + 1 : deleted - 1]);
        dialogState.dateSelected = 1;
        setEnabled(c.addDateButton, false);
        setEnabled(c.deleteDateButton, true);
        setEnabled(c.changeDateButton, false);
    }

    for (int k = deleted + 1; k < count; ++k) entry.dates[k - 1] = entry.dates[k];
    entry.dateNum = count - 1;
    keepEditingButtonsSound();
}
