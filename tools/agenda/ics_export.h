// notavex-agenda --ics: the schedule as one iCalendar (RFC 5545) calendar,
// which any calendar program imports. Each pair of message and date code
// that can match a day becomes an all-day event whose recurrence rule gives
// exactly the days on which the board shows the message.
#pragma once

#include "schedule/store.h"
#include "settings_file/platform.h"

#include <cstdio>
#include <string_view>

struct UtcTime {
    int year;
    int month;
    int day;
    int hour;
    int minute;
    int second;
};

// Writes the calendar of table to out: each event starts on its first day
// on or after from and is stamped with exportTime. A date code that matches
// no day gives one line on warnings instead of an event.
void writeIcsCalendar(
    std::FILE* out, std::FILE* warnings, const MessageTable& table, const LocalDate& from, const UtcTime& exportTime);

// A content line holds at most 75 octets before its CR LF.
constexpr int kIcsLineOctets = 75;

// Writes utf8 into out as a TEXT value: backslash, semicolon and comma get a
// backslash before them; control characters, which a TEXT value cannot hold
// (tab aside), become U+FFFD. Three bytes of out for each byte of utf8 always
// suffice; with less, the value stops at the last whole character that
// fits. Returns the number of bytes written.
int escapeIcsText(std::string_view utf8, char* out, int capacity);

// Writes line into out as folded content lines: at most 75 octets each,
// every one after the first starting with a space, never cut inside a UTF-8
// character, each ending in CR LF. Returns the number of bytes written, or
// 0 when they do not fit.
int foldIcsLine(std::string_view line, char* out, int capacity);
