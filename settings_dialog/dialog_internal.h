// Helpers shared by the handlers of the settings dialog; not for the front end.
#pragma once

#include "settings_dialog/settings_dialog.h"
#include "text/decimal.h"

#include <cstdint>

// Reads a field as the dialog manager reads a signed number: leading spaces,
// an optional sign, then digits up to the first other character. No digits,
// or a value outside 32 bits, reads as 0.
int32_t readDecimal(const char* text);

// The message table the dialog edits: its own copy.
inline MessageTable& editedTable() { return dialogState.schedule.table; }

// Empties the day box and fills it with "1" .. days.
void fillDayBox(int days);

// The entry of the message the date buttons work on.
MessageEntry& currentEntry();

// Every box the current date-entry mode reads has a selection, so
// composeDateCode gives a code of that mode.
bool dateEntryComplete();

// The limits that the event rules alone do not keep: run at the end of
// every event that can enable a date or message button.
//  - No message current (none chosen yet, or the last one deleted): nothing
//    to delete and nowhere to add a date.
//  - The current message holds the most dates it can: Add date stays off.
//  - A box the mode needs has no selection: Add date and Change date stay
//    off, the code would be wrong.
void keepEditingButtonsSound();

// Adds change bits to a control, by id; the initialisation marks them all.
void markControlChanged(int controlId, unsigned changes);
