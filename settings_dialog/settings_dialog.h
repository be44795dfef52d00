// The settings dialog (template 106) without a window system: its state,
// a model of each control, one handler per event, and the dispatch of
// control notifications. The handlers edit a copy of the board's schedule
// taken when the dialog opens; OK hands the copy back to the board, which
// saves it, and Cancel drops it.
//
// How a front end (the Win32 dialog procedure) uses it:
//
//   WM_INITDIALOG   initSettingsDialog(board); mirror; return TRUE so that the
//                   dialog manager gives OK, the first tab stop, the focus.
//   WM_COMMAND      id = LOWORD(wParam), code = HIWORD(wParam):
//                   1. capture the user's value of control id into the model:
//                      switch (settingsControlKind(id)):
//                        ListBox    captureSelection(id, LB_GETCURSEL)
//                        DropDown   captureSelection(id, CB_GETCURSEL)
//                        CheckButton captureCheck(id, BM_GETCHECK == BST_CHECKED)
//                        EditField  captureText(id, the text converted to CP932
//                                   through the program's UTF-16 door into a
//                                   kMessageFieldSize buffer; never the A
//                                   functions, so lengths are CP932 bytes
//                                   whatever the system code page is)
//                        PushButton, None: nothing;
//                   2. outcome = settingsDialogCommand(id, code, hwndDialog);
//                   3. mirror;
//                   4. outcome == DialogOutcome::End: EndDialog(hwndDialog,
//                      kSettingsDialogResult).
//                   The dispatch already sorts the notifications: commands of
//                   OK, Cancel and the six editing buttons by id alone, a
//                   selection change (code 1) of the two lists and the four
//                   boxes, a text change (EN_CHANGE) of the message field,
//                   every other notification to refreshOptions.
//   WM_PAINT        BeginPaint/EndPaint only: the controls draw themselves.
//
//   Mirror: for each id of kSettingsControlIds, changes =
//   takeControlChanges(id); when non-zero, copy what the bits name:
//     kChangedItems      reset the list, add controlItemText(id, 0 ..
//                        controlItemCount(id) - 1), then set the selection;
//     kChangedSelection  LB_SETCURSEL / CB_SETCURSEL controlSelection(id)
//                        (-1 clears it);
//     kChangedEnabled    EnableWindow(controlEnabled(id));
//     kChangedCheck      BM_SETCHECK controlChecked(id);
//     kChangedText       set the text controlText(id) (CP932 -> UTF-16);
//     kChangedReadOnly   EM_SETREADONLY controlReadOnly(id);
//     kChangedLimit      EM_LIMITTEXT controlCharLimit(id) when it is above 0.
//   Setting a text from the mirror makes the real field send EN_UPDATE and
//   EN_CHANGE: ignore every WM_COMMAND that arrives while the mirror runs.
//   The model has already done what a text set by the program implies.
#pragma once

#include "settings_dialog/dialog_controls.h"
#include "resources/resource.h"
#include "schedule/store.h"
#include "settings_file/settings_file.h"

#include <string_view>

// Control ids of the two dialog buttons, as the dialog manager numbers them.
constexpr int kOkId = 1;
constexpr int kCancelId = 2;
// Notification codes the dispatch tells apart.
constexpr int kSelectionChangeCode = 1;  // LBN_SELCHANGE, CBN_SELCHANGE
constexpr int kTextChangeCode = 0x0300;  // EN_CHANGE
// What EndDialog receives, for OK and Cancel alike.
constexpr int kSettingsDialogResult = 0;

// The message field keeps whatever the real field can hand back (it sets no
// typing limit) up to this many bytes, NUL included; a longer text is cut on
// a whole character and is over the 30-byte limit either way.
constexpr int kMessageFieldSize = 4096;
constexpr int kSecondsFieldSize = 32;  // "-2147483648" and room to spare
constexpr int kNoticeSize = 64;
constexpr int kBoxItemSize = 16;  // "土曜日", "第5", "31"
constexpr int kMaxDayItems = 31;

using MessageListControl = ItemListControl<kMaxMessages, kMessageTextSize>;
using DateListControl = ItemListControl<kMaxDatesPerMessage, kDateLabelSize>;
using DateBoxControl = ItemListControl<kMaxDayItems, kBoxItemSize>;
using MessageFieldControl = TextFieldControl<kMessageFieldSize>;
using SecondsFieldControl = TextFieldControl<kSecondsFieldSize>;
using NoticeControl = TextFieldControl<kNoticeSize>;

struct SettingsDialogControls {
    MessageListControl messageList;     // 1000
    DateListControl dateList;           // 1001
    MessageFieldControl messageField;   // 1002
    CheckControl weekRuleButton;        // 1003
    CheckControl calendarButton;        // 1004
    DateBoxControl ordinalBox;          // 1005: "全", "第1" .. "第5"
    DateBoxControl weekdayBox;          // 1006: "日曜日" .. "土曜日"
    DateBoxControl monthBox;            // 1007: "1" .. "12"
    DateBoxControl dayBox;              // 1008: "1" .. days of the month
    ButtonControl addDateButton;        // 1009
    NoticeControl notice;               // 1010
    ButtonControl changeDateButton;     // 1011
    ButtonControl deleteDateButton;     // 1012
    ButtonControl addMessageButton;     // 1013
    ButtonControl changeMessageButton;  // 1014
    ButtonControl deleteMessageButton;  // 1015
    CheckControl topmostBox;            // 1016
    CheckControl autoExitBox;           // 1017
    SecondsFieldControl secondsField;   // 1018
};

struct SettingsDialogState {
    int currentMessage;   // whose dates the date list shows and the date buttons edit
    int messageSelected;  // a message is current
    int dateSelected;     // a date of the current message is chosen
    int lastMode;         // date-entry mode the last option refresh saw: 1 week rule, 0 calendar
    int modeChanged;
    // A character CP932 lacks, typed in the message field (0: none).
    char32_t refusedCharacter;
    BoardState* board;  // whose schedule the dialog edits, and OK gives back to
    Schedule schedule;  // the copy the dialog edits
};

extern SettingsDialogState dialogState;
extern SettingsDialogControls dialogControls;

enum class DialogOutcome { KeepOpen, End };

// ---- Handlers, one per event.

// WM_INITDIALOG: copies the board's schedule and resets the state and every
// control from the copy.
void initSettingsDialog(BoardState& board);
// The message field's text changed (typed, or set by the program).
void checkMessageText();
// Any notification that is neither a selection change nor a text change.
void refreshOptions();
// After a selection change of the month box.
void refillDayBox();
DialogOutcome settingsOk(OwnerWindow owner);
DialogOutcome settingsCancel(OwnerWindow owner);

void messageListSelectionChange();
void dateListSelectionChange();
// boxId: the id of the ordinal, weekday, month or day box.
void dateBoxSelectionChange(int boxId);
void addMessage();
void changeMessage();
void deleteMessage();
void addDate();
void changeDate();
void deleteDate();

DateCode composeDateCode();
void showDateInBoxes(DateCode code);
void fillDateList();

// Sets the message field from the program; the text check runs at once,
// as it does for the real field.
void setMessageFieldText(std::string_view text);

// ---- Dispatch of one WM_COMMAND notification.
DialogOutcome settingsDialogCommand(int controlId, int notifyCode, OwnerWindow owner);

// ---- Front-end access by control id.

enum class ControlKind { None, ListBox, DropDown, PushButton, CheckButton, EditField };

constexpr int kSettingsControlIds[] = {
    IDC_MESSAGE_LIST,
    IDC_DATE_LIST,
    IDC_MESSAGE_TEXT,
    IDC_WEEK_RULE_MODE,
    IDC_CALENDAR_MODE,
    IDC_ORDINAL_BOX,
    IDC_WEEKDAY_BOX,
    IDC_MONTH_BOX,
    IDC_DAY_BOX,
    IDC_ADD_DATE,
    IDC_NOTICE,
    IDC_CHANGE_DATE,
    IDC_DELETE_DATE,
    IDC_ADD_MESSAGE,
    IDC_CHANGE_MESSAGE,
    IDC_DELETE_MESSAGE,
    IDC_TOPMOST,
    IDC_AUTOEND,
    IDC_ENDSEC,
};

ControlKind settingsControlKind(int controlId);

// What the user did in a real control. These record no change for the
// mirror. An index outside the list counts as no selection; turning a
// mode button on turns the other one off; a text is cut to the field.
// refused: the first character of the real text that CP932 lacks (0 for
// none); text then holds a "?" for it, which no button may store.
void captureSelection(int controlId, int index);
void captureCheck(int controlId, bool on);
void captureText(int controlId, std::string_view text, char32_t refused = 0);

// Returns the control's change bits and clears them.
unsigned takeControlChanges(int controlId);
int controlItemCount(int controlId);
const char* controlItemText(int controlId, int index);  // "" when out of range
int controlSelection(int controlId);
bool controlEnabled(int controlId);
bool controlChecked(int controlId);
const char* controlText(int controlId);
bool controlReadOnly(int controlId);
int controlCharLimit(int controlId);
