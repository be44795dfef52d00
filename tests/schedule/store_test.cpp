#include "schedule/calendar.h"
#include "schedule/store.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

namespace {

Schedule schedule;
BoardSettings& boardSettings = schedule.settings;
MessageTable& messageTable = schedule.table;

std::string labelOf(DateCode code)
{
    char buf[kDateLabelSize];
    std::memset(buf, 'x', sizeof buf);
    formatDateCodeLabel(code, buf, sizeof buf);
    return buf;
}

TEST(ResetStore, PutsEveryFieldToItsDefault)
{
    // Dirty every field first: the reset must not rely on a zeroed start.
    boardSettings = {5, 6, 7, 8, 9};
    messageTable.MessageNum = 42;
    for (MessageEntry& entry : messageTable.entries) {
        std::strcpy(entry.text, "stale");
        entry.dateNum = 77;
        for (DateCode& code : entry.dates) code = 314;
    }

    resetStore(schedule);

    EXPECT_EQ(boardSettings.winX, 0);
    EXPECT_EQ(boardSettings.winY, 0);
    EXPECT_EQ(boardSettings.topmost, 0);  // board on top
    EXPECT_EQ(boardSettings.autoend, 0);
    EXPECT_EQ(boardSettings.endsec, 10);
    EXPECT_EQ(messageTable.MessageNum, 0);
    int emptySlots = 0;
    for (const MessageEntry& entry : messageTable.entries) {
        EXPECT_STREQ(entry.text, "");
        EXPECT_EQ(entry.dateNum, 0);
        for (DateCode code : entry.dates) emptySlots += code == kEmptyDateCode;
    }
    EXPECT_EQ(emptySlots, kMaxMessages * kMaxDatesPerMessage);
}

TEST(DateCodes, AreComposedFromTheDialogsChoices)
{
    EXPECT_EQ(makeWeekRuleCode(0, 2), 2);
    EXPECT_EQ(makeWeekRuleCode(2, 2), 16);
    EXPECT_EQ(makeWeekRuleCode(5, 6), 41);
    EXPECT_EQ(makeCalendarDateCode(3, 14), 314);
    EXPECT_EQ(makeCalendarDateCode(12, 31), 1231);
    EXPECT_EQ(makeCalendarDateCode(1, 1), 101);
    EXPECT_TRUE(isCalendarDateCode(101));
    EXPECT_FALSE(isCalendarDateCode(100));
    EXPECT_FALSE(isCalendarDateCode(41));
    EXPECT_FALSE(isCalendarDateCode(kEmptyDateCode));
}

TEST(FormatDateCodeLabel, ReadsEveryKindOfCode)
{
    struct Case {
        DateCode code;
        const char* label;
    };
    const Case cases[] = {
        // Every week.
        {0, "全日曜日"},
        {1, "全月曜日"},
        {2, "全火曜日"},
        {3, "全水曜日"},
        {4, "全木曜日"},
        {5, "全金曜日"},
        {6, "全土曜日"},
        // The nth weekday of the month.
        {7, "第1日曜日"},
        {13, "第1土曜日"},
        {16, "第2火曜日"},
        {19, "第2金曜日"},
        {23, "第3火曜日"},
        {32, "第4木曜日"},
        {35, "第5日曜日"},
        {41, "第5土曜日"},
        // Beyond the fifth week: only a hand-edited file holds these.
        {42, "第6日曜日"},
        {98, "第14日曜日"},
        {99, "第14月曜日"},
        // 100 is neither kind; it reads on in week-rule arithmetic.
        {100, "第14火曜日"},
        // Calendar dates, no leading zeros.
        {101, "1月1日"},
        {229, "2月29日"},
        {314, "3月14日"},
        {1201, "12月1日"},
        {1231, "12月31日"},
        // Calendar values no day has.
        {200, "2月0日"},
        {1301, "13月1日"},
        {199, "1月99日"},
        {INT32_MAX, "21474836月47日"},
        // Negative values: the empty slot and damaged files.
        {kEmptyDateCode, "全曜日"},
        {-6, "全曜日"},
        {-7, "全日曜日"},
        {-14, "全日曜日"},
        {INT32_MIN, "全曜日"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(labelOf(c.code), c.label);
    }
}

TEST(FormatDateCodeLabel, LongestLabelIsFourteenBytes)
{
    EXPECT_EQ(labelOf(INT32_MAX).size(), 14u);
    EXPECT_EQ(labelOf(1999999999).size(), 14u);
    EXPECT_EQ(labelOf(99).size(), 10u);  // 第14月曜日
}

TEST(FormatDateCodeLabel, ASmallBufferGetsWholeCharactersOnly)
{
    struct Case {
        DateCode code;
        int size;
        const char* label;
    };
    const Case cases[] = {
        {23, 6, "第3火"},  // 5 bytes fit; the next character would not
        {23, 5, "第3"},    // 4 bytes fit, 火 would be split
        {314, 4, "3月"},
        {314, 3, "3"},
        {0, 1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.code) + " in " + std::to_string(c.size));
        char buf[16];
        std::memset(buf, 'x', sizeof buf);
        formatDateCodeLabel(c.code, buf, c.size);
        EXPECT_STREQ(buf, c.label);
        EXPECT_EQ(buf[c.size], 'x');  // nothing written past the buffer
    }
}

TEST(WeekdayNames, AreSundayFirst)
{
    const char* expected[7] = {"日", "月", "火", "水", "木", "金", "土"};
    for (int i = 0; i < 7; ++i) EXPECT_STREQ(kWeekdayNames[i], expected[i]) << i;
}

TEST(DaysInMonth, FollowsTheYear)
{
    const int32_t expected[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int month = 1; month <= 12; ++month) EXPECT_EQ(daysInMonth(month, 2009), expected[month - 1]) << month;
    EXPECT_EQ(daysInMonth(2, 2008), 29);
    EXPECT_EQ(daysInMonth(0, 2008), 0);
    EXPECT_EQ(daysInMonth(13, 2008), 0);
}

}  // namespace
