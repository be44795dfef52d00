// What the editing buttons do to the store, the lists and the date boxes.
#include "dialog_driver.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using Codes = std::vector<DateCode>;

void open(StoreKind kind)
{
    loadStore(kind);
    run(init());
}

TEST(MessageEditing, DeletingMovesTheSelectionToTheNextOrPreviousMessage)
{
    // The list, the field, the date list and the store's entry 1 after the deletion.
    struct Case {
        int deleted;
        const char* list;
        const char* field;
        const char* dates;
        Codes stored;
    };
    const Case cases[] = {
        {1, "朝会|散歩", "散歩", "全金曜日|12月31日", {5, 1231}},  // the next one moves up
        {2, "朝会|ゴミ出し", "ゴミ出し", "全火曜日", {2}},         // the last: the one before
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.deleted);
        open(StoreKind::Sample);
        runAll({selectMessage(c.deleted), press(IDC_DELETE_MESSAGE)});
        EXPECT_EQ(messageTable.MessageNum, 2);
        EXPECT_EQ(listItems(IDC_MESSAGE_LIST), c.list);
        EXPECT_EQ(controlSelection(IDC_MESSAGE_LIST), 1);
        EXPECT_EQ(dialogState.currentMessage, 1);
        EXPECT_STREQ(controlText(IDC_MESSAGE_TEXT), c.field);
        EXPECT_EQ(listItems(IDC_DATE_LIST), c.dates);
        EXPECT_STREQ(messageTable.entries[1].text, c.field);
        EXPECT_EQ(storedDates(1), c.stored);
    }
}

TEST(MessageEditing, DeletingTheOnlyMessageKeepsTheFieldText)
{
    open(StoreKind::Empty);
    runAll({type("一つ"), press(IDC_ADD_MESSAGE), press(IDC_ADD_DATE), type("書きかけ"), press(IDC_DELETE_MESSAGE)});
    EXPECT_EQ(messageTable.MessageNum, 0);
    EXPECT_EQ(controlItemCount(IDC_MESSAGE_LIST), 0);
    EXPECT_EQ(controlItemCount(IDC_DATE_LIST), 0);
    EXPECT_STREQ(controlText(IDC_MESSAGE_TEXT), "書きかけ");
}

TEST(MessageEditing, ChangedMessageIsNoLongerSelectedButKeepsItsDates)
{
    open(StoreKind::Sample);
    runAll({selectMessage(1), type("燃えるゴミ"), press(IDC_CHANGE_MESSAGE)});
    EXPECT_EQ(listItems(IDC_MESSAGE_LIST), "朝会|燃えるゴミ|散歩");
    EXPECT_EQ(controlSelection(IDC_MESSAGE_LIST), kNoSelection);
    EXPECT_STREQ(messageTable.entries[1].text, "燃えるゴミ");
    // Delete acts on the list's selection: nothing; dates still go to message 1.
    runAll({press(IDC_DELETE_MESSAGE), box(IDC_WEEKDAY_BOX, 4), press(IDC_ADD_DATE)});
    EXPECT_EQ(messageTable.MessageNum, 3);
    EXPECT_EQ(storedDates(1), Codes({2, 4}));
}

TEST(MessageEditing, FullTableNoticeGoesWithTheDeletedMessage)
{
    open(StoreKind::FullTable);
    EXPECT_STREQ(controlText(IDC_NOTICE), "");
    run(selectMessage(5));
    EXPECT_STREQ(controlText(IDC_NOTICE), "メッセージ数が限界(100件)を超えています。");
    run(press(IDC_DELETE_MESSAGE));
    EXPECT_STREQ(controlText(IDC_NOTICE), "");
    EXPECT_EQ(buttonMask().substr(0, 2), "00");
    run(type("m5+"));
    EXPECT_EQ(buttonMask().substr(0, 2), "11");
}

TEST(MessageEditing, StoredTextIsCutToTheBufferOnAWholeCharacter)
{
    open(StoreKind::Sample);
    std::string longText;
    for (int i = 0; i < 2500; ++i) longText += "あ";  // 5000 bytes, more than the field keeps
    run(type(longText));
    EXPECT_EQ(std::strlen(controlText(IDC_MESSAGE_TEXT)), 4094u);
    EXPECT_STREQ(controlText(IDC_NOTICE), "全角15文字/半角30文字を超えています。");
    addMessage();  // the button is off; the store must still not overflow
    EXPECT_EQ(std::strlen(messageTable.entries[3].text), 126u);
}

TEST(DateEditing, AddComposesWeekRulesAndCalendarDates)
{
    open(StoreKind::Sample);
    runAll({selectMessage(2), box(IDC_ORDINAL_BOX, 2), box(IDC_WEEKDAY_BOX, 2), press(IDC_ADD_DATE),
        click(IDC_CALENDAR_MODE), box(IDC_MONTH_BOX, 2), box(IDC_DAY_BOX, 13), press(IDC_ADD_DATE)});
    EXPECT_EQ(storedDates(2), Codes({5, 1231, 16, 314}));
    EXPECT_EQ(listItems(IDC_DATE_LIST), "全金曜日|12月31日|第2火曜日|3月14日");
    EXPECT_EQ(controlSelection(IDC_DATE_LIST), 3);
}

TEST(DateEditing, ChangeReplacesTheSelectedDateInPlace)
{
    open(StoreKind::Sample);
    runAll({selectMessage(0), selectDate(0), box(IDC_WEEKDAY_BOX, 3), press(IDC_CHANGE_DATE)});
    EXPECT_EQ(storedDates(0), Codes({17, 314, 1225}));
    EXPECT_EQ(listItems(IDC_DATE_LIST), "第2水曜日|3月14日|12月25日");
    EXPECT_EQ(controlSelection(IDC_DATE_LIST), 0);
}

TEST(DateEditing, ChangeWithoutASelectedDateStoresNothing)
{
    open(StoreKind::Sample);
    runAll({selectMessage(0), selectDate(1), box(IDC_DAY_BOX, 5), type("新規"), press(IDC_ADD_MESSAGE)});
    ASSERT_TRUE(controlEnabled(IDC_CHANGE_DATE));
    run(press(IDC_CHANGE_DATE));
    EXPECT_EQ(storedDates(0), Codes({16, 314, 1225}));
    EXPECT_EQ(messageTable.entries[3].dateNum, 0);
    EXPECT_EQ(controlItemCount(IDC_DATE_LIST), 0);
}

// A birthday on 29 February: the store's calendar holds a common year here.
TEST(DateEditing, FebruaryTwentyNinthIsEnteredAndKeptInACommonYear)
{
    open(StoreKind::Sample);
    runAll(
        {selectMessage(1), click(IDC_CALENDAR_MODE), box(IDC_MONTH_BOX, 1), box(IDC_DAY_BOX, 28), press(IDC_ADD_DATE)});
    EXPECT_EQ(storedDates(1), Codes({2, 229}));

    // A stored 229 shows as 2月29日, so a Change after touching a box keeps it.
    loadStore(StoreKind::Sample);
    setMessage(1, "誕生日", {2, 229});
    runAll({init(), selectMessage(1), selectDate(1), box(IDC_MONTH_BOX, 1), press(IDC_CHANGE_DATE)});
    EXPECT_EQ(controlSelection(IDC_DAY_BOX), 28);
    EXPECT_EQ(storedDates(1), Codes({2, 229}));
    EXPECT_EQ(listItems(IDC_DATE_LIST), "全火曜日|2月29日");
}

TEST(DateEditing, DeletingShowsTheDateThatTakesTheSelection)
{
    struct Case {
        int deleted;
        Codes left;
        const char* list;
        int month;
        int day;
    };
    const Case cases[] = {
        {1, {16, 1225}, "第2火曜日|12月25日", 11, 24},  // the next one moves up
        {2, {16, 314}, "第2火曜日|3月14日", 2, 13},     // the last: the one before
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.deleted);
        open(StoreKind::Sample);
        runAll({selectMessage(0), selectDate(c.deleted), box(IDC_DAY_BOX, 1), press(IDC_DELETE_DATE)});
        EXPECT_EQ(storedDates(0), c.left);
        EXPECT_EQ(listItems(IDC_DATE_LIST), c.list);
        EXPECT_EQ(controlSelection(IDC_DATE_LIST), 1);
        EXPECT_TRUE(controlChecked(IDC_CALENDAR_MODE));
        EXPECT_EQ(controlSelection(IDC_MONTH_BOX), c.month);
        EXPECT_EQ(controlSelection(IDC_DAY_BOX), c.day);
        EXPECT_FALSE(controlEnabled(IDC_CHANGE_DATE));
    }
}

TEST(DateEditing, DeletingTheOnlyDateKeepsTheBoxesForAnotherAdd)
{
    open(StoreKind::Sample);
    runAll({selectMessage(1), selectDate(0), box(IDC_WEEKDAY_BOX, 5), press(IDC_DELETE_DATE)});
    EXPECT_EQ(storedDates(1), Codes({}));
    EXPECT_EQ(controlSelection(IDC_WEEKDAY_BOX), 5);
    run(press(IDC_ADD_DATE));
    EXPECT_EQ(storedDates(1), Codes({5}));
}

TEST(DateBoxes, StoredCodesShowInTheBoxes)
{
    // Before each code: ordinal 4, weekday 6, month 5, day 10.
    struct Case {
        DateCode code;
        bool weekRule;
        int ordinal;
        int weekday;
        int month;
        int day;
        int days;
    };
    const Case cases[] = {
        {16, true, 2, 2, 4, 9, 31},
        {3, true, 0, 3, 4, 9, 31},
        {41, true, 5, 6, 4, 9, 31},
        {45, true, 4, 3, 4, 9, 31},
        {100, true, 4, 2, 4, 9, 31},
        {-1, true, 0, -1, 4, 9, 31},
        {-7, true, 0, 0, 4, 9, 31},
        {314, false, 4, 6, 2, 13, 31},
        {1315, false, 4, 6, 0, 14, 31},
        {231, false, 4, 6, 1, 0, 29},
        {229, false, 4, 6, 1, 28, 29},
        {200, false, 4, 6, 1, -1, 29},
        {101, false, 4, 6, 0, 0, 31},
        {1231, false, 4, 6, 11, 30, 31},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        open(StoreKind::Sample);
        runAll({box(IDC_ORDINAL_BOX, 4), box(IDC_WEEKDAY_BOX, 6), box(IDC_MONTH_BOX, 4), box(IDC_DAY_BOX, 9)});
        showDateInBoxes(c.code);
        EXPECT_EQ(controlChecked(IDC_WEEK_RULE_MODE), c.weekRule);
        EXPECT_EQ(controlChecked(IDC_CALENDAR_MODE), !c.weekRule);
        EXPECT_EQ(controlEnabled(IDC_ORDINAL_BOX), c.weekRule);
        EXPECT_EQ(controlEnabled(IDC_DAY_BOX), !c.weekRule);
        EXPECT_EQ(controlSelection(IDC_ORDINAL_BOX), c.ordinal);
        EXPECT_EQ(controlSelection(IDC_WEEKDAY_BOX), c.weekday);
        EXPECT_EQ(controlSelection(IDC_MONTH_BOX), c.month);
        EXPECT_EQ(controlSelection(IDC_DAY_BOX), c.day);
        EXPECT_EQ(controlItemCount(IDC_DAY_BOX), c.days);
    }
}

TEST(DateBoxes, MonthChangeRefillsTheDayBox)
{
    struct Case {
        int day;
        int month;
        int february;
        int days;
        int dayAfter;
    };
    const Case cases[] = {
        {30, 3, 28, 30, 29},                       // 31 → April 30
        {30, 1, 28, 29, 28},                       // 31 → February 29, a birthday, in any year
        {30, 1, 29, 29, 28}, {14, 3, 28, 30, 14},  // 15 stays 15
        {14, 1, 28, 29, 14}, {14, -1, 28, 0, -1},  // no month selected: no days
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "day " << c.day + 1 << " month " << c.month + 1);
        open(StoreKind::Sample);
        runAll({click(IDC_CALENDAR_MODE), box(IDC_DAY_BOX, c.day), box(IDC_MONTH_BOX, c.month)});
        EXPECT_EQ(controlItemCount(IDC_DAY_BOX), c.days);
        EXPECT_EQ(controlSelection(IDC_DAY_BOX), c.dayAfter);
    }
}

}  // namespace
