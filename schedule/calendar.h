// Today and tomorrow as the board compares display dates with them.
#pragma once

#include <cstdint>

struct DayInfo {
    int32_t month;         // 1..12
    int32_t day;           // 1..31
    int32_t weekday;       // 0 = Sunday; also the every-week rule code of the day
    int32_t weekRuleCode;  // the nth-weekday rule code of the day, 7..41
};

struct Calendar {
    DayInfo today;
    DayInfo tomorrow;
};

// Today and tomorrow of a local date (weekday 0 = Sunday). The caller reads
// the clock.
Calendar computeCalendar(int year, int month, int day, int weekday);
