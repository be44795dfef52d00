// Days of the Gregorian calendar, for reading --date and stepping through
// days. The board itself counts every fourth year as a leap year
// (schedule/calendar.cpp); the two agree from 1901 to 2099.
#pragma once

#include "settings_file/platform.h"

// The last year a date of four digits names; no day after it is shown.
constexpr int kLastYear = 9999;

bool isGregorianLeapYear(int year);
int daysInGregorianMonth(int year, int month);

// 0 = Sunday.
int weekdayOf(int year, int month, int day);

// The next day, weekday included.
LocalDate dayAfter(const LocalDate& date);
