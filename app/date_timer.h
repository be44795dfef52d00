// When the board next looks at the date: within two seconds after each
// local midnight, and at least once a minute besides, so that a clock set
// forward or a daylight-saving change is caught too.
#pragma once

constexpr unsigned kDateCheckPeriodMs = 60000;
// How long after midnight the look comes: late enough that the clock has
// surely turned, early enough to keep within two seconds.
constexpr unsigned kAfterMidnightMs = 1000;

// The delay from a local time of day to the next look at the date.
unsigned nextDateCheckMs(int hour, int minute, int second, int millisecond);
