#include "schedule/agenda.h"
#include "schedule/calendar.h"
#include "schedule/store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

Schedule schedule;
MessageTable& messageTable = schedule.table;
Calendar calendar;
Agenda agenda;

void select() { selectAgenda(schedule, calendar, agenda); }

struct Message {
    std::string text;
    std::vector<DateCode> codes;
};

struct Date {
    int year, month, day, weekday;
};

struct Line {
    std::string text;
    bool marked;
    bool operator==(const Line& other) const { return text == other.text && marked == other.marked; }
};

void PrintTo(const Line& line, std::ostream* out)
{
    *out << testing::PrintToString(line.text) << (line.marked ? " (marked)" : "");
}

void fillStore(const std::vector<Message>& messages)
{
    resetStore(schedule);
    messageTable.MessageNum = static_cast<int32_t>(messages.size());
    for (size_t i = 0; i < messages.size(); ++i) {
        MessageEntry& entry = messageTable.entries[i];
        std::snprintf(entry.text, sizeof entry.text, "%s", messages[i].text.c_str());
        entry.dateNum = static_cast<int32_t>(messages[i].codes.size());
        for (size_t k = 0; k < messages[i].codes.size(); ++k) entry.dates[k] = messages[i].codes[k];
    }
}

void run(const std::vector<Message>& messages, Date date)
{
    fillStore(messages);
    calendar = computeCalendar(date.year, date.month, date.day, date.weekday);
    select();
}

// The lines a match filled, top to bottom. Checks on the way that every
// other line is blank and unmarked and that marks are 0 or 1.
std::vector<Line> filledLines(const char (*lines)[kAgendaLineSize], const uint8_t* marks)
{
    std::vector<Line> filled;
    bool blankSeen = false;
    for (int i = 0; i < kAgendaLines; ++i) {
        EXPECT_LE(marks[i], 1) << "line " << i;
        if (std::strcmp(lines[i], kBlankAgendaLine) == 0) {
            EXPECT_EQ(marks[i], 0) << "blank line " << i;
            blankSeen = true;
            continue;
        }
        EXPECT_FALSE(blankSeen) << "a filled line below a blank one: " << i;
        filled.push_back({lines[i], marks[i] == 1});
    }
    return filled;
}

std::vector<Line> todayLines() { return filledLines(agenda.todayLines, agenda.todayMarks); }
std::vector<Line> tomorrowLines() { return filledLines(agenda.tomorrowLines, agenda.tomorrowMarks); }

constexpr Date kTuesday2ndMar11{2008, 3, 11, 2};
constexpr Date kMondayMar10{2008, 3, 10, 1};
constexpr Date kTuesday3rdMar18{2008, 3, 18, 2};
constexpr Date kThursdayMar13{2008, 3, 13, 4};
constexpr Date kFridayMar14{2008, 3, 14, 5};
constexpr Date kSundayMar16{2008, 3, 16, 0};
constexpr Date kLeapFeb28{2008, 2, 28, 4};
constexpr Date kLeapFeb29{2008, 2, 29, 5};
constexpr Date kCommonFeb28{2007, 2, 28, 3};

struct AgendaCase {
    const char* name;
    std::vector<Message> messages;
    Date date;
    std::vector<Line> today;
    std::vector<Line> tomorrow;
    std::string overflowText;  // empty: no overflow
};

const std::string k127ByteText = std::string(97, 'a') + "表" + std::string(28, 'b');
const std::string kSplitAt99Text = std::string(98, 'a') + "表" + std::string(27, 'b');

const std::vector<AgendaCase> kAgendaCases = {
    {"empty table", {}, kFridayMar14, {}, {}, ""},
    {"every Tuesday on a Tuesday", {{"ゴミ", {2}}}, kTuesday2ndMar11, {{"ゴミ", false}}, {}, ""},
    {"every Tuesday on a Monday", {{"ゴミ", {2}}}, kMondayMar10, {}, {{"ゴミ", false}}, ""},
    {"every Sunday: code 0 is a real rule", {{"礼拝", {0}}}, kSundayMar16, {{"礼拝", false}}, {}, ""},
    {"second Tuesday on the second Tuesday", {{"会議", {16}}}, kTuesday2ndMar11, {{"会議", true}}, {}, ""},
    {"second Tuesday on the day before", {{"会議", {16}}}, kMondayMar10, {}, {{"会議", true}}, ""},
    {"second Tuesday on the third Tuesday", {{"会議", {16}}}, kTuesday3rdMar18, {}, {}, ""},
    {"March 14 on March 14", {{"Dentist", {314}}}, kFridayMar14, {{"Dentist", true}}, {}, ""},
    {"March 14 on March 13", {{"Dentist", {314}}}, kThursdayMar13, {}, {{"Dentist", true}}, ""},
    {"week rules come before calendar dates", {{"date", {314}}, {"friday", {5}}}, kFridayMar14,
        {{"friday", false}, {"date", true}}, {}, ""},
    {"one line for every matching code", {{"ゴミ", {16, 2}}}, kTuesday2ndMar11, {{"ゴミ", true}, {"ゴミ", false}}, {},
        ""},
    {"a message's codes keep their order within a pass", {{"x", {2, 16}}, {"y", {311, 2}}}, kTuesday2ndMar11,
        {{"x", false}, {"x", true}, {"y", false}}, {}, "[4件目の今日の予定]\r\n　y\r\n"},
    {"three for each day do not overflow", {{"a", {5, 6}}, {"b", {19, 27}}, {"c", {314, 315}}}, kFridayMar14,
        {{"a", false}, {"b", true}, {"c", true}}, {{"a", false}, {"b", true}, {"c", true}}, ""},
    {"the fourth match for today", {{"a", {5}}, {"b", {5}}, {"c", {5}}, {"d", {5}}}, kFridayMar14,
        {{"a", false}, {"b", false}, {"c", false}}, {}, "[4件目の今日の予定]\r\n　d\r\n"},
    {"four for tomorrow and none for today", {{"a", {6}}, {"b", {27}}, {"c", {315}}, {"予定", {6}}}, kFridayMar14, {},
        {{"a", false}, {"b", true}, {"予定", false}}, "[4件目の明日の予定]\r\n　c\r\n"},
    {"entries of both days interleave in the order found",
        {{"a", {5, 6}}, {"b", {5, 6}}, {"c", {5, 6}}, {"d", {5, 6}}, {"e", {6, 5}}}, kFridayMar14,
        {{"a", false}, {"b", false}, {"c", false}}, {{"a", false}, {"b", false}, {"c", false}},
        "[4件目の今日の予定]\r\n　d\r\n[4件目の明日の予定]\r\n　d\r\n"
        "[5件目の明日の予定]\r\n　e\r\n[5件目の今日の予定]\r\n　e\r\n"},
    {"February 29 is tomorrow on February 28 of a leap year", {{"閏", {229}}}, kLeapFeb28, {}, {{"閏", true}}, ""},
    {"February 29 is today on February 29", {{"閏", {229}}}, kLeapFeb29, {{"閏", true}}, {}, ""},
    {"February 29 is not tomorrow in a common year", {{"閏", {229}}}, kCommonFeb28, {}, {}, ""},
    {"New Year is tomorrow on New Year's Eve", {{"正月", {101}}}, {2008, 12, 31, 3}, {}, {{"正月", true}}, ""},
    {"a line takes 99 bytes of a 127-byte text", {{k127ByteText, {5}}}, kFridayMar14,
        {{k127ByteText.substr(0, 99), false}}, {}, ""},
    {"a line never ends in half a character", {{kSplitAt99Text, {5}}}, kFridayMar14,
        {{kSplitAt99Text.substr(0, 98), false}}, {}, ""},
    {"an overflow entry carries the whole 127-byte text", {{"a", {5}}, {"b", {5}}, {"c", {5}}, {kSplitAt99Text, {5}}},
        kFridayMar14, {{"a", false}, {"b", false}, {"c", false}}, {},
        "[4件目の今日の予定]\r\n　" + kSplitAt99Text + "\r\n"},
    {"the worked example with a Friday message",
        {{"Recycling day", {2, 19}}, {"Dentist 10:30", {314}}, {"金曜の買い物", {5}}}, kFridayMar14,
        {{"Recycling day", true}, {"金曜の買い物", false}, {"Dentist 10:30", true}}, {}, ""},
};

TEST(SelectAgenda, Cases)
{
    for (const AgendaCase& c : kAgendaCases) {
        SCOPED_TRACE(c.name);
        run(c.messages, c.date);
        EXPECT_EQ(todayLines(), c.today);
        EXPECT_EQ(tomorrowLines(), c.tomorrow);
        EXPECT_EQ(std::min(agenda.todayMatches, kAgendaLines), int(c.today.size()));
        EXPECT_EQ(std::min(agenda.tomorrowMatches, kAgendaLines), int(c.tomorrow.size()));
        EXPECT_EQ(agenda.overflow, c.overflowText.empty() ? 0 : 1);
        EXPECT_EQ(std::string(agenda.overflowText), c.overflowText);
    }
}

TEST(SelectAgenda, StartsAfreshOnEveryRun)
{
    run({{"a", {5}}, {"b", {5}}, {"c", {19}}, {"d", {5}}, {"e", {6}}}, kFridayMar14);
    ASSERT_EQ(agenda.overflow, 1);
    run({{"z", {6}}}, kFridayMar14);
    EXPECT_EQ(todayLines(), std::vector<Line>{});
    EXPECT_EQ(tomorrowLines(), (std::vector<Line>{{"z", false}}));
    EXPECT_EQ(agenda.overflow, 0);
    EXPECT_STREQ(agenda.overflowText, "");
}

// Codes outside the two kinds are stored and saved but match no day of the
// year, neither as today nor as tomorrow.
TEST(SelectAgenda, CodesOfNeitherKindNeverMatch)
{
    std::vector<DateCode> codes = {kEmptyDateCode, -2, -7, -100, INT32_MIN, INT32_MAX};
    for (DateCode code = 42; code <= 100; ++code) codes.push_back(code);
    for (int month = 13; month <= 99; month += 7) codes.push_back(month * 100 + 1);
    for (int month = 1; month <= 12; ++month) {
        codes.push_back(month * 100);       // day 0
        codes.push_back(month * 100 + 32);  // beyond every month
    }
    codes.insert(codes.end(), {230, 231, 431, 631, 931, 1131});
    const auto half = codes.begin() + long(codes.size() / 2);
    fillStore({{"never", std::vector<DateCode>(codes.begin(), half)},
        {"never either", std::vector<DateCode>(half, codes.end())}});
    ASSERT_LE(messageTable.entries[1].dateNum, kMaxDatesPerMessage);

    // Every day of a leap year; 1 January 2008 was a Tuesday.
    int weekday = 2;
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= (month == 2 ? 29 : daysInMonth(month, 2008)); ++day) {
            SCOPED_TRACE(std::to_string(month) + "/" + std::to_string(day));
            calendar = computeCalendar(2008, month, day, weekday);
            select();
            EXPECT_TRUE(todayLines().empty());
            EXPECT_TRUE(tomorrowLines().empty());
            weekday = (weekday + 1) % 7;
        }
    }
}

TEST(SelectAgenda, MessageTextsAreReadOnlyUpToTheirBuffer)
{
    // A text without its NUL within the 128 bytes (only a damaged store has
    // one) is read as its first 127 bytes.
    fillStore({{"a", {5}}, {"b", {5}}, {"c", {5}}, {"d", {5}}});
    std::memset(messageTable.entries[3].text, 'x', kMessageTextSize);
    calendar = computeCalendar(2008, 3, 14, 5);
    select();
    EXPECT_EQ(std::string(agenda.overflowText), "[4件目の今日の予定]\r\n　" + std::string(127, 'x') + "\r\n");
}

TEST(SelectAgenda, CountsOutsideTheTableAreClamped)
{
    fillStore({{"a", {5}}});
    messageTable.MessageNum = 1000;
    messageTable.entries[0].dateNum = -3;
    calendar = computeCalendar(2008, 3, 14, 5);
    select();  // must read nothing beyond the table
    EXPECT_TRUE(todayLines().empty());
}

// An entry is "[n件目の今日の予定]" CR LF, 　, the text, CR LF: 24 bytes, the
// digits of n and the text.
int entryLength(int n, int textLength) { return 24 + static_cast<int>(std::to_string(n).size()) + textLength; }

TEST(SelectAgenda, OverflowTextStopsBelow65535Bytes)
{
    // Five messages of 105 bytes with 100 Friday codes each: 500 matches,
    // 497 entries (n = 4 … 500), 65,502 bytes of overflow text.
    std::vector<Message> messages;
    for (int i = 0; i < 5; ++i) messages.push_back({std::string(105, char('A' + i)), std::vector<DateCode>(100, 5)});
    int expectedLength = 0;
    for (int n = 4; n <= 500; ++n) expectedLength += entryLength(n, 105);
    ASSERT_EQ(expectedLength, 65502);
    run(messages, kFridayMar14);
    ASSERT_EQ(std::strlen(agenda.overflowText), size_t(65502));

    // n = 501 with 6 bytes would make exactly 65,535: left out.
    // n = 502 with 5 bytes makes 65,534: appended.
    // n = 503 with no text would pass the bound again: left out.
    ASSERT_EQ(65502 + entryLength(501, 6), 65535);
    ASSERT_EQ(65502 + entryLength(502, 5), 65534);
    messages.push_back({"666666", {5}});
    messages.push_back({"55555", {5}});
    messages.push_back({"", {5}});
    run(messages, kFridayMar14);
    EXPECT_EQ(agenda.overflow, 1);
    const std::string text = agenda.overflowText;
    EXPECT_EQ(text.size(), size_t(65534));
    const std::string last = "[502件目の今日の予定]\r\n　55555\r\n";
    EXPECT_EQ(text.substr(text.size() - last.size()), last);
    EXPECT_EQ(text.find("666666"), std::string::npos);
}

TEST(SelectAgenda, EveryDateOfAFullTableMatching)
{
    // 100 messages × 100 codes that all match today: 10,000 matches, the
    // text fills up and stays below the bound, and nothing more is written.
    std::vector<Message> messages;
    for (int i = 0; i < kMaxMessages; ++i) {
        std::vector<DateCode> codes;
        for (int k = 0; k < kMaxDatesPerMessage; ++k) codes.push_back(k % 3 == 0 ? 5 : k % 3 == 1 ? 19 : 314);
        messages.push_back({std::string(127, char('!' + i % 90)), codes});
    }
    run(messages, kFridayMar14);
    EXPECT_EQ(agenda.overflow, 1);
    const size_t length = std::strlen(agenda.overflowText);
    EXPECT_LT(length, size_t(65535));
    EXPECT_GT(length, size_t(65535 - entryLength(9999, 127)));
    EXPECT_EQ(agenda.todayMatches, 10000);
    EXPECT_EQ(agenda.tomorrowMatches, 0);
    EXPECT_TRUE(tomorrowLines().empty());
}

// The selection written out plainly, one snprintf and one strlen per entry,
// to compare the fast one with on random tables.
struct PlainAgenda {
    std::string today[3], tomorrow[3];
    int todayMarks[3] = {}, tomorrowMarks[3] = {};
    int overflow = 0;
    std::string overflowText;
    int todayMatches = 0, tomorrowMatches = 0;
};

PlainAgenda plainSelection()
{
    PlainAgenda result;
    for (int i = 0; i < 3; ++i) result.today[i] = result.tomorrow[i] = kBlankAgendaLine;
    int todayCount = 0, tomorrowCount = 0;
    auto record = [&](bool forToday, const char* text, int mark) {
        int& count = forToday ? todayCount : tomorrowCount;
        ++count;
        if (count <= 3) {
            (forToday ? result.today : result.tomorrow)[count - 1] = std::string(text).substr(0, 99);
            (forToday ? result.todayMarks : result.tomorrowMarks)[count - 1] = mark;
            return;
        }
        result.overflow = 1;
        char entry[256];
        std::snprintf(entry, sizeof entry,
            forToday ? "[%d件目の今日の予定]\r\n　%s\r\n" : "[%d件目の明日の予定]\r\n　%s\r\n", count, text);
        if (result.overflowText.size() + std::strlen(entry) < 65535) result.overflowText += entry;
    };
    for (int pass = 0; pass < 2; ++pass) {
        for (int m = 0; m < messageTable.MessageNum; ++m) {
            const MessageEntry& e = messageTable.entries[m];
            for (int k = 0; k < e.dateNum; ++k) {
                const int v = e.dates[k];
                if (pass == 0 && v <= 100) {
                    if (v == calendar.today.weekRuleCode || v == calendar.today.weekday)
                        record(true, e.text, v == calendar.today.weekRuleCode);
                    if (v == calendar.tomorrow.weekRuleCode || v == calendar.tomorrow.weekday)
                        record(false, e.text, v == calendar.tomorrow.weekRuleCode);
                } else if (pass == 1 && v > 100) {
                    if (v / 100 == calendar.today.month && v % 100 == calendar.today.day) record(true, e.text, 1);
                    if (v / 100 == calendar.tomorrow.month && v % 100 == calendar.tomorrow.day)
                        record(false, e.text, 1);
                }
            }
        }
    }
    result.todayMatches = todayCount;
    result.tomorrowMatches = tomorrowCount;
    return result;
}

TEST(SelectAgenda, AgreesWithThePlainSelectionOnRandomTables)
{
    std::mt19937 random(20080314);
    for (int round = 0; round < 200; ++round) {
        SCOPED_TRACE(round);
        // A random day; codes drawn near it so that matches are frequent.
        const int month = 1 + int(random() % 12);
        const int day = 1 + int(random() % 31);
        const int weekday = int(random() % 7);
        calendar = computeCalendar(2008 + int(random() % 4), month, day, weekday);
        const DateCode near[] = {calendar.today.weekday, calendar.today.weekRuleCode, calendar.tomorrow.weekday,
            calendar.tomorrow.weekRuleCode, calendar.today.month * 100 + calendar.today.day,
            calendar.tomorrow.month * 100 + calendar.tomorrow.day};
        resetStore(schedule);
        messageTable.MessageNum = int(random() % 101);
        for (int m = 0; m < messageTable.MessageNum; ++m) {
            MessageEntry& e = messageTable.entries[m];
            // ASCII texts of 0 to 127 bytes: the plain cut at 99 bytes is
            // then the right one.
            const int length = int(random() % 128);
            for (int i = 0; i < length; ++i) e.text[i] = char('!' + random() % 90);
            e.text[length] = '\0';
            e.dateNum = int(random() % 101);
            for (int k = 0; k < e.dateNum; ++k)
                e.dates[k] = random() % 4 ? near[random() % 6] : DateCode(int(random() % 1400) - 50);
        }
        select();
        const PlainAgenda expected = plainSelection();
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(agenda.todayLines[i], expected.today[i]);
            EXPECT_EQ(agenda.tomorrowLines[i], expected.tomorrow[i]);
            EXPECT_EQ(agenda.todayMarks[i], expected.todayMarks[i]);
            EXPECT_EQ(agenda.tomorrowMarks[i], expected.tomorrowMarks[i]);
        }
        EXPECT_EQ(agenda.overflow, expected.overflow);
        EXPECT_EQ(agenda.overflowText, expected.overflowText);
        EXPECT_EQ(agenda.todayMatches, expected.todayMatches);
        EXPECT_EQ(agenda.tomorrowMatches, expected.tomorrowMatches);
    }
}

TEST(BlankAgendaLine, IsFifteenFullWidthSpaces)
{
    ASSERT_EQ(std::strlen(kBlankAgendaLine), 30u);
    for (int i = 0; i < 30; i += 2) {
        EXPECT_EQ(static_cast<unsigned char>(kBlankAgendaLine[i]), 0x81);
        EXPECT_EQ(static_cast<unsigned char>(kBlankAgendaLine[i + 1]), 0x40);
    }
}

}  // namespace
