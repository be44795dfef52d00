// The contract of the editing buttons and of the dialog state: one row per
// event, run from a state where the cells marked '-' (unchanged) are told
// apart, plus rows for the limits the event rules alone do not keep.
#include "dialog_driver.h"

#include <gtest/gtest.h>

namespace {

constexpr int S = -9;  // state field unchanged by the event

struct StateExpect {
    int currentMessage;
    int messageSelected;
    int dateSelected;
};

struct EventRow {
    const char* name;
    StoreKind store;
    std::vector<Step> setup;
    Step event;
    const char* buttons;  // "AM CM DM|AD CD DD": '1' on, '0' off, '-' as before
    StateExpect state;
};

// Failures name the row rather than dump its bytes.
void PrintTo(const EventRow& row, std::ostream* out) { *out << row.name; }

const std::string kLong31(31, 'a');

// Message 1 deleted while selected: 散歩 moves up and is current, no date is
// selected, and Add date is off.
const std::vector<Step> kMessageCurrentAddDateOff = {selectMessage(1), selectDate(0), press(IDC_DELETE_MESSAGE)};

const EventRow kRows[] = {
    // Initialisation, text changes, selections and option refreshes.
    {"Init", StoreKind::Sample, {selectMessage(0), type("x")}, init(), "000|000", {0, 0, 0}},
    {"TextWithNoMessageCurrent", StoreKind::Sample, {}, type("散歩"), "1--|---", {S, S, S}},
    {"TextWithMessageCurrent", StoreKind::Sample, {selectMessage(0)}, type("朝礼"), "11-|---", {S, S, S}},
    {"TextOverLimit", StoreKind::Sample, {selectMessage(0), type("abc")}, type(kLong31), "00-|---", {S, S, S}},
    {"TextEmpty", StoreKind::Sample, {selectMessage(0), type("abc")}, type(""), "00-|---", {S, S, S}},
    {"TextAtFullTable", StoreKind::FullTable, {selectMessage(5)}, type("x"), "00-|---", {S, S, S}},
    {"MessageSelection", StoreKind::Sample, {selectMessage(0), selectDate(1), box(IDC_MONTH_BOX, 3), type("x")},
        selectMessage(2), "001|100", {2, 1, 0}},
    {"DateSelection", StoreKind::Sample, {selectMessage(0), type("abc")}, selectDate(2), "---|001", {S, S, 1}},
    {"BoxChangeWithNothingCurrent", StoreKind::Sample, {}, box(IDC_WEEKDAY_BOX, 3), "---|---", {S, S, S}},
    {"BoxChangeWithMessageCurrent", StoreKind::Sample, kMessageCurrentAddDateOff, box(IDC_WEEKDAY_BOX, 4), "---|1--",
        {S, S, S}},
    {"BoxChangeWithDateSelected", StoreKind::Sample, {selectMessage(0), selectDate(1)}, box(IDC_DAY_BOX, 5), "---|11-",
        {S, S, S}},
    {"ModeChangeWithDateSelected", StoreKind::Sample, {selectMessage(0), selectDate(0)}, click(IDC_CALENDAR_MODE),
        "---|111", {S, S, S}},
    {"ModeChangeWithMessageOnly", StoreKind::Sample, kMessageCurrentAddDateOff, click(IDC_CALENDAR_MODE), "---|1--",
        {S, S, S}},
    {"ModeChangeWithNothingCurrent", StoreKind::Sample, {}, click(IDC_CALENDAR_MODE), "---|---", {S, S, S}},
    {"RefreshWithoutModeChange", StoreKind::Sample, kMessageCurrentAddDateOff, click(IDC_WEEK_RULE_MODE), "---|---",
        {S, S, S}},
    // A stored calendar date switched the buttons without a refresh: the
    // next refresh, whatever sends it, counts the switch.
    {"RefreshAfterStoredDateSwitchedMode", StoreKind::Sample, {selectMessage(0), selectDate(1)}, focus(IDC_DATE_LIST),
        "---|111", {S, S, S}},
    {"CheckBoxClickIsARefresh", StoreKind::Sample, {selectMessage(0), selectDate(1)}, click(IDC_TOPMOST), "---|111",
        {S, S, S}},

    // The six editing buttons.
    {"AddMessage", StoreKind::Sample, {selectMessage(0), selectDate(0), box(IDC_WEEKDAY_BOX, 3), type("新しい")},
        press(IDC_ADD_MESSAGE), "001|1--", {3, 1, 0}},
    {"ChangeMessage", StoreKind::Sample, {selectMessage(0), selectDate(1), type("変更後")}, press(IDC_CHANGE_MESSAGE),
        "---|---", {S, S, S}},
    {"DeleteOnlyMessage", StoreKind::Empty, {type("一つ"), press(IDC_ADD_MESSAGE), press(IDC_ADD_DATE), type("x")},
        press(IDC_DELETE_MESSAGE), "000|000", {S, 0, 0}},
    {"DeleteMessageOthersRemain", StoreKind::Sample,
        {selectMessage(2), press(IDC_ADD_DATE), box(IDC_ORDINAL_BOX, 2), type("x")}, press(IDC_DELETE_MESSAGE),
        "00-|-00", {1, 1, 0}},
    {"AddDate", StoreKind::Sample, {selectMessage(2), type("x")}, press(IDC_ADD_DATE), "---|001", {S, S, 1}},
    {"ChangeDate", StoreKind::Sample, {selectMessage(0), selectDate(1), box(IDC_DAY_BOX, 20), type("x")},
        press(IDC_CHANGE_DATE), "---|001", {S, S, S}},
    {"DeleteOnlyDate", StoreKind::Sample, {selectMessage(1), selectDate(0)}, press(IDC_DELETE_DATE), "---|100",
        {S, S, 0}},
    {"DeleteDateOthersRemain", StoreKind::Sample, {selectMessage(0), selectDate(1), box(IDC_DAY_BOX, 1)},
        press(IDC_DELETE_DATE), "---|001", {S, S, 1}},

    // A message holding 100 dates: Add date stays off whatever enables it.
    {"FullDatesMessageSelection", StoreKind::FullDates, {}, selectMessage(3), "001|000", {3, 1, 0}},
    {"FullDatesBoxChange", StoreKind::FullDates, {selectMessage(3)}, box(IDC_WEEKDAY_BOX, 2), "---|0--", {S, S, S}},
    {"FullDatesModeChange", StoreKind::FullDates, {selectMessage(3), selectDate(5)}, focus(IDC_DATE_LIST), "---|011",
        {S, S, S}},
    {"FullDatesBecomeCurrentByDelete", StoreKind::FullDates, {selectMessage(2), box(IDC_WEEKDAY_BOX, 1)},
        press(IDC_DELETE_MESSAGE), "00-|000", {2, 1, 0}},
    {"FullDatesLessOneAddsAgain", StoreKind::FullDates, {selectMessage(3), selectDate(99), press(IDC_DELETE_DATE)},
        box(IDC_WEEKDAY_BOX, 1), "---|11-", {S, S, S}},

    // Change date left on by Add message while the new message has no date.
    {"ChangeDateWithoutSelectedDate", StoreKind::Sample,
        {selectMessage(0), selectDate(1), box(IDC_DAY_BOX, 5), type("新規"), press(IDC_ADD_MESSAGE)},
        press(IDC_CHANGE_DATE), "---|---", {S, S, S}},

    // A selection change that leaves no item selected.
    {"SelectionLeavingNoneKeepsCurrent", StoreKind::Sample,
        {selectMessage(1), selectDate(0), type("ゴミ"), press(IDC_CHANGE_MESSAGE)}, selectMessage(-1), "001|100",
        {1, 1, 1}},
    {"SelectionLeavingNoneWithEmptyTable", StoreKind::Empty, {}, selectMessage(-1), "000|000", {0, 0, 0}},
    {"SelectionLeavingNoneAfterLastDeleted", StoreKind::Empty,
        {type("a"), press(IDC_ADD_MESSAGE), press(IDC_DELETE_MESSAGE)}, selectMessage(-1), "000|000", {0, 0, 0}},
    {"SelectionLeavingNoneWithNoMessageCurrent", StoreKind::Sample, {}, selectMessage(-1), "000|000", {0, 0, 0}},

    // Damaged codes leave a box the mode needs without a selection.
    {"DamagedWeekdayMissing", StoreKind::Damaged, {selectMessage(3), selectDate(0)}, box(IDC_ORDINAL_BOX, 1), "---|00-",
        {S, S, S}},
    {"DamagedWeekdayChosen", StoreKind::Damaged, {selectMessage(3), selectDate(0)}, box(IDC_WEEKDAY_BOX, 3), "---|11-",
        {S, S, S}},
    {"DamagedDayMissingAfterModeChange", StoreKind::Damaged, {selectMessage(3), selectDate(1)}, focus(IDC_DATE_LIST),
        "---|001", {S, S, S}},
    {"DamagedMonthChangeKeepsDayEmpty", StoreKind::Damaged, {selectMessage(3), selectDate(1)}, box(IDC_MONTH_BOX, 3),
        "---|00-", {S, S, S}},
    {"DamagedDayChosen", StoreKind::Damaged, {selectMessage(3), selectDate(1)}, box(IDC_DAY_BOX, 9), "---|11-",
        {S, S, S}},
};

class EventTable : public ::testing::TestWithParam<EventRow> { };

void expectField(const char* field, int before, int after, int expected)
{
    if (expected == S)
        EXPECT_EQ(after, before) << field << " should be unchanged";
    else
        EXPECT_EQ(after, expected) << field;
}

TEST_P(EventTable, ButtonsAndStateAfterEvent)
{
    const EventRow& row = GetParam();
    loadStore(row.store);
    run(init());
    runAll(row.setup);
    const std::string before = buttonMask();
    const SettingsDialogState stateBefore = dialogState;

    run(row.event);

    const std::string after = buttonMask();
    std::string expected = row.buttons;
    for (size_t i = 0; i < expected.size(); ++i)
        if (expected[i] == '-') expected[i] = before[i];
    EXPECT_EQ(after, expected) << "buttons before the event: " << before;
    expectField("currentMessage", stateBefore.currentMessage, dialogState.currentMessage, row.state.currentMessage);
    expectField("messageSelected", stateBefore.messageSelected, dialogState.messageSelected, row.state.messageSelected);
    expectField("dateSelected", stateBefore.dateSelected, dialogState.dateSelected, row.state.dateSelected);
}

INSTANTIATE_TEST_SUITE_P(Rows, EventTable, ::testing::ValuesIn(kRows),
    [](const ::testing::TestParamInfo<EventRow>& info) { return info.param.name; });

}  // namespace
