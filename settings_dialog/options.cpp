#include "settings_dialog/dialog_internal.h"
#include "settings_dialog/modal.h"

void refreshOptions()
{
    SettingsDialogControls& c = dialogControls;
    SettingsDialogState& s = dialogState;
    const bool weekRule = c.weekRuleButton.on;
    setEnabled(c.ordinalBox, weekRule);
    setEnabled(c.weekdayBox, weekRule);
    setEnabled(c.monthBox, !weekRule);
    setEnabled(c.dayBox, !weekRule);
    const int mode = weekRule ? 1 : 0;
    if (s.lastMode != mode) s.modeChanged = 1;
    s.lastMode = mode;

    // A new mode offers new boxes: what they compose may be added or may
    // replace the selected date.
    if (s.modeChanged) {
        s.modeChanged = 0;
        if (s.messageSelected) setEnabled(c.addDateButton, true);
        if (s.dateSelected) {
            setEnabled(c.changeDateButton, true);
            setEnabled(c.deleteDateButton, true);
        }
    }

    // The 2-character limit belongs to the opening of the dialog only.
    setReadOnly(c.secondsField, !c.autoExitBox.on);
    keepEditingButtonsSound();
}

DialogOutcome settingsOk(OwnerWindow owner)
{
    // The dialog is closing: the board's menu and auto-exit may act again
    // from here on, even while a file error box of the save is up.
    modalOpen = 0;
    const SettingsDialogControls& c = dialogControls;
    BoardSettings& edited = dialogState.schedule.settings;
    edited.topmost = c.topmostBox.on ? 0 : 1;
    edited.autoend = c.autoExitBox.on ? 1 : 0;
    edited.endsec = readDecimal(c.secondsField.text);
    BoardState& board = *dialogState.board;
    // The day may have turned while the dialog was open.
    refreshCalendar(board);
    takeEdits(board, dialogState.schedule, owner);
    return DialogOutcome::End;
}

DialogOutcome settingsCancel(OwnerWindow)
{
    modalOpen = 0;
    // The copy is dropped: the board keeps the schedule it had, and the file
    // is neither read nor written, so whatever became of it meanwhile cannot
    // bring the cancelled edits back. A change made to it meanwhile is the
    // file watch's to read.
    refreshCalendar(*dialogState.board);
    return DialogOutcome::End;
}
