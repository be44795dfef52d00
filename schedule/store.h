// The schedule: board options and the message table, one plain value in
// fixed-size arrays. Whoever holds one owns it; nothing allocates.
#pragma once

#include <cstdint>
#include <string_view>

using DateCode = int32_t;

constexpr int kMaxMessages = 100;
constexpr int kMaxDatesPerMessage = 100;
constexpr int kMessageTextSize = 128;  // 127 bytes of CP932 text and a NUL
constexpr int kMessageTextLimit = 30;  // what the settings dialog accepts
constexpr DateCode kEmptyDateCode = -1;
constexpr DateCode kLastWeekRuleCode = 100;  // above this a code is a calendar date
constexpr int kDateLabelSize = 128;

struct BoardSettings {
    int32_t winX;
    int32_t winY;
    int32_t topmost;  // inverted: 0 keeps the board above other windows
    int32_t autoend;  // 1 turns the automatic exit on
    int32_t endsec;
};

struct MessageEntry {
    char text[kMessageTextSize];
    int32_t dateNum;
    DateCode dates[kMaxDatesPerMessage];
};

struct MessageTable {
    int32_t MessageNum;
    MessageEntry entries[kMaxMessages];
};

// What notavex.ini holds, and what the board shows and saves.
struct Schedule {
    BoardSettings settings;
    MessageTable table;
};

// Month lengths of a common year, January first.
extern const int32_t kDaysInMonth[12];
// One-character weekday names, Sunday first, CP932.
extern const char* const kWeekdayNames[7];

// A message's text as the board takes it: up to its NUL, never more than
// 127 bytes, and never ending in half a character.
std::string_view storedMessageText(const MessageEntry& entry);

// Puts every field to its default: no messages, every date slot free.
void resetStore(Schedule& schedule);
// The same options and the same counted messages, texts and dates; what
// lies beyond the counts does not matter.
bool sameSchedule(const Schedule& a, const Schedule& b);

inline bool isCalendarDateCode(DateCode code) { return code > kLastWeekRuleCode; }
inline DateCode makeWeekRuleCode(int ordinal, int weekday) { return ordinal * 7 + weekday; }
inline DateCode makeCalendarDateCode(int month, int day) { return month * 100 + day; }
// Days of a month (1..12) in a year; every fourth year is a leap year, with
// no century exception (2100 counts as one), as the board has always had it.
int32_t daysInMonth(int month, int year);

// Writes the label of a code ("第2火曜日", "3月14日") into buf, always
// NUL-terminated within size bytes.
void formatDateCodeLabel(DateCode code, char* buf, int size);
