// Drives the settings dialog model as the user would: every step captures
// what the user did in a control and dispatches the notification the real
// control sends, so the tests go through the same door as the Win32 side.
#pragma once

#include "settings_dialog/settings_dialog.h"

#include <initializer_list>
#include <string>
#include <vector>

enum class Act { Init, Type, SelectMessage, SelectDate, Box, Click, Focus, Press };

struct Step {
    Act act;
    int id;
    int index;
    std::string text;
    char32_t refused;
};

Step init();
// The user's text in the message field; refused: a character CP932 lacks
// in it, which the capture gave as "?".
Step type(std::string text, char32_t refused = 0);
Step selectMessage(int index);  // -1: a selection change that leaves none
Step selectDate(int index);
Step box(int boxId, int index);
Step click(int buttonId);   // mode button or check box
Step focus(int controlId);  // keyboard focus leaves a control
Step press(int buttonId);   // OK, Cancel or an editing button

DialogOutcome run(const Step& step);
void runAll(const std::vector<Step>& steps);

// The six editing buttons as "AM CM DM|AD CD DD", '1' enabled, '0' not:
// add, change, delete message | add, change, delete date.
std::string buttonMask();

// The board the dialog opens on, and the table the dialog edits (its own
// copy of the board's, while it is open).
extern BoardState testBoard;
inline MessageTable& messageTable = dialogState.schedule.table;

// Schedules the board starts from.
enum class StoreKind {
    Empty,
    Sample,     // 0 朝会 {16, 314, 1225}, 1 ゴミ出し {2}, 2 散歩 {5, 1231}
    FullDates,  // Sample and 3 薬 with 100 dates
    Damaged,    // Sample and 3 壊れ {-1, 200, 45, 1315, 231}, codes only a hand-edited file holds
    FullTable,  // 100 messages "m0" .. "m99", each with the date {0}
};
void loadStore(StoreKind kind);  // into testBoard
void setMessage(int index, const char* text, std::initializer_list<DateCode> dates);

// The items of a list or box, joined by '|'.
std::string listItems(int controlId);
std::vector<DateCode> storedDates(int message, const MessageTable& table = messageTable);
