// The schedule store: board options and the message table, shared by every
// part of the program. Plain data in fixed-size arrays; nothing allocates.
#pragma once

#include <cstdint>

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

extern BoardSettings boardSettings;
extern MessageTable messageTable;

// Month lengths, January first; February follows the year of the last
// calendar computation.
extern int32_t kDaysInMonth[12];
// One-character weekday names, Sunday first, CP932.
extern const char* const kWeekdayNames[7];

void resetStore();

inline bool isCalendarDateCode(DateCode code) { return code > kLastWeekRuleCode; }
inline DateCode makeWeekRuleCode(int ordinal, int weekday) { return ordinal * 7 + weekday; }
inline DateCode makeCalendarDateCode(int month, int day) { return month * 100 + day; }
int32_t daysInMonth(int month);

// Writes the label of a code ("第2火曜日", "3月14日") into buf, always
// NUL-terminated within size bytes.
void formatDateCodeLabel(DateCode code, char* buf, int size);
