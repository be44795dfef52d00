#include "schedule/calendar.h"
#include "schedule/store.h"

#include <gtest/gtest.h>

namespace {

struct CalendarCase {
    const char* name;
    int year, month, day, weekday;
    DayInfo today;
    DayInfo tomorrow;
};

// {month, day, weekday, weekRuleCode}
const CalendarCase kCalendarCases[] = {
    {"leap February 28th, Thursday", 2008, 2, 28, 4, {2, 28, 4, 32}, {2, 29, 5, 40}},
    {"leap February 29th", 2008, 2, 29, 5, {2, 29, 5, 40}, {3, 1, 6, 13}},
    {"common February 28th", 2007, 2, 28, 3, {2, 28, 3, 31}, {3, 1, 4, 11}},
    {"New Year's Eve", 2008, 12, 31, 3, {12, 31, 3, 38}, {1, 1, 4, 11}},
    {"Saturday wraps to Sunday", 2008, 3, 15, 6, {3, 15, 6, 27}, {3, 16, 0, 21}},
    {"30-day month ends", 2008, 4, 30, 3, {4, 30, 3, 38}, {5, 1, 4, 11}},
    {"31st exists in May", 2008, 5, 30, 5, {5, 30, 5, 40}, {5, 31, 6, 41}},
    {"day 7 is the 1st week, day 8 the 2nd", 2008, 3, 7, 5, {3, 7, 5, 12}, {3, 8, 6, 20}},
    {"day 14 is the 2nd week, day 15 the 3rd", 2008, 3, 14, 5, {3, 14, 5, 19}, {3, 15, 6, 27}},
    {"day 21 is the 3rd week, day 22 the 4th", 2008, 3, 21, 5, {3, 21, 5, 26}, {3, 22, 6, 34}},
    {"day 28 is the 4th week, day 29 the 5th", 2008, 3, 28, 5, {3, 28, 5, 33}, {3, 29, 6, 41}},
    {"first of the month, Sunday", 2008, 6, 1, 0, {6, 1, 0, 7}, {6, 2, 1, 8}},
    {"2100 counts as a leap year", 2100, 2, 28, 0, {2, 28, 0, 28}, {2, 29, 1, 36}},
    {"1900 too", 1900, 2, 28, 3, {2, 28, 3, 31}, {2, 29, 4, 39}},
};

void expectDay(const DayInfo& actual, const DayInfo& expected)
{
    EXPECT_EQ(actual.month, expected.month);
    EXPECT_EQ(actual.day, expected.day);
    EXPECT_EQ(actual.weekday, expected.weekday);
    EXPECT_EQ(actual.weekRuleCode, expected.weekRuleCode);
}

TEST(ComputeCalendar, TodayAndTomorrow)
{
    for (const CalendarCase& c : kCalendarCases) {
        SCOPED_TRACE(c.name);
        const Calendar calendar = computeCalendar(c.year, c.month, c.day, c.weekday);
        {
            SCOPED_TRACE("today");
            expectDay(calendar.today, c.today);
        }
        {
            SCOPED_TRACE("tomorrow");
            expectDay(calendar.tomorrow, c.tomorrow);
        }
    }
}

}  // namespace
