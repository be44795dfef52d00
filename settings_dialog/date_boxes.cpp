#include "settings_dialog/dialog_internal.h"

namespace {

constexpr int kLastOrdinal = 5;
constexpr int kMonths = 12;

// The days the day box offers, January first. February has 29 in every
// year: 2月29日 is a date a message may carry (a birthday), matched in leap
// years, whatever the year the dialog is opened in.
constexpr int kDayItemsOfMonth[kMonths] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// No month chosen: no days.
int dayItemsOf(int month) { return month >= 1 && month <= kMonths ? kDayItemsOfMonth[month - 1] : 0; }

}  // namespace

void refillDayBox()
{
    DateBoxControl& dayBox = dialogControls.dayBox;
    const int month = dialogControls.monthBox.selected + 1;
    int day = dayBox.selected;
    const int days = dayItemsOf(month);
    // The day stays where the new month has it, else goes to its last day.
    if (day >= days) day = days - 1;
    fillDayBox(days);
    listSelect(dayBox, day);
}

void dateBoxSelectionChange(int boxId)
{
    SettingsDialogControls& c = dialogControls;
    if (dialogState.messageSelected) setEnabled(c.addDateButton, true);
    if (dialogState.dateSelected) setEnabled(c.changeDateButton, true);
    if (boxId == IDC_MONTH_BOX) refillDayBox();
    keepEditingButtonsSound();
}

DateCode composeDateCode()
{
    const SettingsDialogControls& c = dialogControls;
    if (c.weekRuleButton.on) return makeWeekRuleCode(c.ordinalBox.selected, c.weekdayBox.selected);
    return makeCalendarDateCode(c.monthBox.selected + 1, c.dayBox.selected + 1);
}

void showDateInBoxes(DateCode code)
{
    SettingsDialogControls& c = dialogControls;
    const bool weekRule = !isCalendarDateCode(code);
    if (weekRule) {
        // Ordinals beyond the fifth (codes 42..100, only from a hand-edited
        // file) have no item: the box keeps what it shows.
        if (code < 7)
            listSelect(c.ordinalBox, 0);
        else if (code / 7 <= kLastOrdinal)
            listSelect(c.ordinalBox, code / 7);
        // A negative code gives a negative remainder: no weekday selected.
        listSelect(c.weekdayBox, code % 7);
    } else {
        int month = code / 100;
        if (month < 1 || month > kMonths) month = 1;
        listSelect(c.monthBox, month - 1);
        const int days = dayItemsOf(month);
        fillDayBox(days);
        // A day the month lacks shows as day 1; day 0 leaves no day selected.
        const int day = code % 100;
        listSelect(c.dayBox, day > days ? 0 : day - 1);
    }
    setEnabled(c.ordinalBox, weekRule);
    setEnabled(c.weekdayBox, weekRule);
    setEnabled(c.monthBox, !weekRule);
    setEnabled(c.dayBox, !weekRule);
    // lastMode stays: the next option refresh sees this switch as a mode change.
    setChecked(c.weekRuleButton, weekRule);
    setChecked(c.calendarButton, !weekRule);
}
