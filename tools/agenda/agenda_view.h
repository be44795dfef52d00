// notavex-agenda: what the board would show for a date, read from a
// settings file, as text or JSON on standard output.
//
//   notavex-agenda [--file PATH] [--date YYYY-MM-DD] [--json] [--days N]
//   notavex-agenda [--file PATH] [--date YYYY-MM-DD] --ics
//
// The pieces of the tool, apart from its entry, so that tests reach them.
#pragma once

#include "schedule/agenda.h"
#include "schedule/calendar.h"
#include "settings_file/platform.h"
#include "tools/agenda/gregorian_date.h"

#include <cstdio>
#include <string_view>

constexpr const char kDefaultSettingsPath[] = "notavex.ini";

// Exit statuses.
constexpr int kExitOk = 0;
constexpr int kExitFileError = 1;   // missing, unreadable or too large; output failed
constexpr int kExitUsageError = 2;  // bad command line, found before any file is read

struct AgendaOptions {
    const char* file;  // kDefaultSettingsPath unless --file is given
    bool dateGiven;
    LocalDate date;  // valid when dateGiven, weekday included
    bool json;
    bool help;
    bool ics;
    int days;  // 1..kMaxAgendaDays, 1 unless --days is given
};

constexpr int kMaxAgendaDays = 36525;  // a hundred years

constexpr int kErrorTextSize = 256;

// Reads the command line (argv[0] is the program). True when it is sound;
// otherwise error holds one line (no line end) saying what is wrong.
bool parseArguments(int argc, const char* const* argv, AgendaOptions& options, char* error, int errorSize);

// One line (no line end) saying why the settings file at path could not be
// read.
void formatFileError(FileReadResult result, const char* path, char* error, int errorSize);

// A date written exactly as YYYY-MM-DD that exists in the Gregorian
// calendar (year 0001 to 9999; 1900 and 2100 have no 29 February). Fills
// date, weekday included.
bool parseDate(std::string_view text, LocalDate& date);

struct Schedule;

// What the board shows on a date.
struct DayAgenda {
    Calendar calendar;
    Agenda agenda;
};

// Computes the calendar for date and selects the agenda from the schedule:
// the same routines the board runs at every paint.
void computeAgendaFor(const Schedule& schedule, const LocalDate& date, DayAgenda& shown);

// Writes today's and tomorrow's agenda for date to out: JSON as one object
// and a line end, or text for people. Both UTF-8.
void writeAgendaJson(std::FILE* out, const LocalDate& date, const DayAgenda& shown);
void writeAgendaText(std::FILE* out, const LocalDate& date, const DayAgenda& shown);

// Writes text (UTF-8) for a terminal: control characters show as U+FFFD.
void writeShownText(std::FILE* out, std::string_view utf8);

// Writes text as a JSON string, quotes included; text is UTF-8.
void writeJsonString(std::FILE* out, std::string_view text);

void writeUsage(std::FILE* out);
