// What the board shows: three lines for today, three for tomorrow, and the
// matches that did not fit.
#pragma once

#include <cstdint>

struct Calendar;
struct Schedule;

constexpr int kAgendaLines = 3;
constexpr int kAgendaLineSize = 100;
constexpr int kOverflowTextSize = 65536;

// Fifteen full-width spaces (CP932 81 40): a line no message fills.
extern const char kBlankAgendaLine[];

struct Agenda {
    char todayLines[kAgendaLines][kAgendaLineSize];
    char tomorrowLines[kAgendaLines][kAgendaLineSize];
    uint8_t todayMarks[kAgendaLines];
    uint8_t tomorrowMarks[kAgendaLines];
    int32_t overflow;
    char overflowText[kOverflowTextSize];
    // Matches found for each day; the first three (at most) fill the lines.
    // The board needs only the lines; views that list the filled lines
    // alone read these, since a text may look like a blank line.
    int32_t todayMatches;
    int32_t tomorrowMatches;
};

// Fills agenda with what the board shows for the schedule's messages on the
// calendar's two days.
void selectAgenda(const Schedule& schedule, const Calendar& calendar, Agenda& agenda);
