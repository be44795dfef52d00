#include "settings_dialog/dialog_internal.h"

#include <cstring>

SettingsDialogState dialogState;
SettingsDialogControls dialogControls;

namespace {

constexpr int kOrdinalItems = 6;
constexpr char kUnreadNotice[] = "notavex.iniファイルを読み取れていません。";
constexpr int kMonthItems = 12;

void fillOrdinalBox()
{
    DateBoxControl& box = dialogControls.ordinalBox;
    listClear(box);
    listAppend(box, "全");
    for (int ordinal = 1; ordinal < kOrdinalItems; ++ordinal) {
        char item[kBoxItemSize] = "第";
        const size_t prefix = std::strlen(item);
        formatDecimal(ordinal, item + prefix, kBoxItemSize - static_cast<int>(prefix));
        listAppend(box, item);
    }
}

void fillWeekdayBox()
{
    DateBoxControl& box = dialogControls.weekdayBox;
    listClear(box);
    for (const char* name : kWeekdayNames) {
        char item[kBoxItemSize];
        cp932CopyFit(item, kBoxItemSize, name);
        std::strncat(item, "曜日", kBoxItemSize - 1 - std::strlen(item));
        listAppend(box, item);
    }
}

// Empties box and fills it with "1" .. last.
void fillNumberBox(DateBoxControl& box, int last)
{
    listClear(box);
    for (int number = 1; number <= last; ++number) {
        char item[kBoxItemSize];
        formatDecimal(number, item, kBoxItemSize);
        listAppend(box, item);
    }
}

void fillMonthBox() { fillNumberBox(dialogControls.monthBox, kMonthItems); }

}  // namespace

void fillDayBox(int days) { fillNumberBox(dialogControls.dayBox, days); }

void initSettingsDialog(BoardState& board)
{
    SettingsDialogState& s = dialogState;
    s.currentMessage = 0;
    s.messageSelected = 0;
    s.dateSelected = 0;
    s.lastMode = 1;
    s.modeChanged = 0;
    s.refusedCharacter = 0;
    s.board = &board;
    s.schedule = board.schedule;
    const BoardSettings& boardSettings = s.schedule.settings;
    const MessageTable& messageTable = s.schedule.table;

    // Start from the blank template, then mark every property so that the
    // front end copies the whole model once.
    SettingsDialogControls& c = dialogControls;
    std::memset(&c, 0, sizeof c);
    c.messageList.selected = kNoSelection;
    c.messageList.enabled = true;
    c.dateList.selected = kNoSelection;
    c.dateList.enabled = true;

    setChecked(c.weekRuleButton, true);
    setChecked(c.calendarButton, false);

    const int messages = messageTable.MessageNum < kMaxMessages ? messageTable.MessageNum : kMaxMessages;
    for (int i = 0; i < messages; ++i) listAppend(c.messageList, messageTable.entries[i].text);

    setChecked(c.topmostBox, boardSettings.topmost == 0);
    if (boardSettings.autoend == 1) {
        setChecked(c.autoExitBox, true);
        setReadOnly(c.secondsField, false);
        setCharLimit(c.secondsField, 2);
    } else {
        setChecked(c.autoExitBox, false);
        setReadOnly(c.secondsField, true);
    }
    // The typing limit does not cut what the program puts in: 100 shows whole.
    char seconds[kSecondsFieldSize];
    formatDecimal(boardSettings.endsec, seconds, kSecondsFieldSize);
    setFieldText(c.secondsField, seconds);

    setEnabled(c.addMessageButton, false);
    setEnabled(c.changeMessageButton, false);
    setEnabled(c.deleteMessageButton, false);
    setEnabled(c.addDateButton, false);
    setEnabled(c.changeDateButton, false);
    setEnabled(c.deleteDateButton, false);

    fillOrdinalBox();
    listSelect(c.ordinalBox, 0);
    fillWeekdayBox();
    listSelect(c.weekdayBox, 0);
    fillMonthBox();
    listSelect(c.monthBox, 0);
    fillDayBox(kMaxDayItems);
    listSelect(c.dayBox, 0);

    setEnabled(c.ordinalBox, true);
    setEnabled(c.weekdayBox, true);
    setEnabled(c.monthBox, false);
    setEnabled(c.dayBox, false);

    // The message field and the notice line start empty, as in the template,
    // without a text check: the notice stays empty even at 100 messages. It
    // tells only that the board shows no file: notavex.ini could not be read.
    setReadOnly(c.notice, true);
    if (board.unread) setFieldText(c.notice, kUnreadNotice);
    for (int id : kSettingsControlIds) markControlChanged(id, kChangedAll);
}
