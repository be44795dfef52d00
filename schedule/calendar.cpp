#include "schedule/calendar.h"

#include "schedule/store.h"

namespace {

// The nth-weekday rule code of a day: days 1-7 are the 1st occurrence of
// their weekday in the month, 8-14 the 2nd, … 29-31 the 5th.
int32_t weekRuleCodeOf(int32_t day, int32_t weekday) { return makeWeekRuleCode((day - 1) / 7 + 1, weekday); }

}  // namespace

Calendar computeCalendar(int year, int month, int day, int weekday)
{
    Calendar calendar;
    DayInfo& today = calendar.today;
    DayInfo& tomorrow = calendar.tomorrow;
    today.month = month;
    today.day = day;
    today.weekday = weekday;

    tomorrow.day = day + 1;
    tomorrow.month = month;
    if (tomorrow.day > daysInMonth(month, year)) {
        tomorrow.month = month + 1 > 12 ? 1 : month + 1;
        tomorrow.day = 1;
    }
    tomorrow.weekday = weekday + 1 >= 7 ? 0 : weekday + 1;

    today.weekRuleCode = weekRuleCodeOf(today.day, today.weekday);
    tomorrow.weekRuleCode = weekRuleCodeOf(tomorrow.day, tomorrow.weekday);
    return calendar;
}
