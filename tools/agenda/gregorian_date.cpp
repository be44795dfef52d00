#include "tools/agenda/gregorian_date.h"

bool isGregorianLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInGregorianMonth(int year, int month)
{
    constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isGregorianLeapYear(year) ? 29 : kDays[month - 1];
}

int weekdayOf(int year, int month, int day)
{
    // Sakamoto's method: days since a fixed Sunday, counting the leap days
    // of the years before (March is taken as the year's first month).
    constexpr int kMonthOffsets[12] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (month < 3) year -= 1;
    return (year + year / 4 - year / 100 + year / 400 + kMonthOffsets[month - 1] + day) % 7;
}

LocalDate dayAfter(const LocalDate& date)
{
    LocalDate next = {date.year, date.month, date.day + 1, (date.weekday + 1) % 7};
    if (next.day > daysInGregorianMonth(date.year, date.month)) {
        next.day = 1;
        if (++next.month > 12) {
            next.month = 1;
            ++next.year;
        }
    }
    return next;
}
