#include "settings_dialog/dialog_internal.h"

MessageEntry& currentEntry()
{
    int index = dialogState.currentMessage;
    // The state is only ever set to indices of the table; stay inside it anyway.
    if (index < 0 || index >= kMaxMessages) index = 0;
    return editedTable().entries[index];
}

bool dateEntryComplete()
{
    const SettingsDialogControls& c = dialogControls;
    if (c.weekRuleButton.on) return c.ordinalBox.selected >= 0 && c.weekdayBox.selected >= 0;
    return c.monthBox.selected >= 0 && c.dayBox.selected >= 0;
}

void keepEditingButtonsSound()
{
    SettingsDialogControls& c = dialogControls;
    if (editedTable().MessageNum <= 0 || !dialogState.messageSelected) {
        setEnabled(c.deleteMessageButton, false);
        setEnabled(c.addDateButton, false);
    }
    if (currentEntry().dateNum >= kMaxDatesPerMessage) setEnabled(c.addDateButton, false);
    if (!dateEntryComplete()) {
        setEnabled(c.addDateButton, false);
        setEnabled(c.changeDateButton, false);
    }
}
