#include "tools/agenda/agenda_view.h"

#include "schedule/store.h"
#include "tools/agenda/cp932_utf8.h"

#include <cstring>

namespace {

// ---------------------------------------------------------------- command line

// An argument as it may stand in a one-line message: at most 60 bytes, and
// control bytes (a line end among them) shown as '?'.
void quoteArgument(std::string_view argument, char* out, int outSize)
{
    int at = 0;
    for (char c : argument) {
        if (at + 1 >= outSize || at >= 60) break;
        out[at++] = static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? '?' : c;
    }
    out[at] = '\0';
}

bool fail(char* error, int errorSize, const char* format, std::string_view argument)
{
    char quoted[64];
    quoteArgument(argument, quoted, sizeof quoted);
    std::snprintf(error, static_cast<size_t>(errorSize), format, quoted);
    return false;
}

enum class DateParse { ok, malformed, noSuchDay };

// Digits at text[from, from + count) as a number, or -1.
int digitsAt(std::string_view text, size_t from, size_t count)
{
    int value = 0;
    for (size_t i = from; i < from + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

// 1..kMaxAgendaDays written in decimal digits, or 0.
int readDayCount(std::string_view text)
{
    if (text.empty() || text.size() > 5) return 0;
    const int days = digitsAt(text, 0, text.size());
    return days >= 1 && days <= kMaxAgendaDays ? days : 0;
}

DateParse readDate(std::string_view text, LocalDate& date)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return DateParse::malformed;
    const int year = digitsAt(text, 0, 4);
    const int month = digitsAt(text, 5, 2);
    const int day = digitsAt(text, 8, 2);
    if (year < 0 || month < 0 || day < 0) return DateParse::malformed;
    if (year < 1 || month < 1 || month > 12 || day < 1 || day > daysInGregorianMonth(year, month))
        return DateParse::noSuchDay;
    date = {year, month, day, weekdayOf(year, month, day)};
    return DateParse::ok;
}

// ---------------------------------------------------------------- output

// Converted texts: a line holds at most 99 bytes of CP932, the overflow text
// at most 65,534; each byte gives at most three bytes of UTF-8.
char lineUtf8[kAgendaLineSize * 3];
char overflowUtf8[kOverflowTextSize * 3];

std::string_view toUtf8(std::string_view cp932, char* out, int capacity)
{
    return std::string_view(out, static_cast<size_t>(cp932ToUtf8(cp932, out, capacity)));
}

std::string_view lineText(const char* line)
{
    return toUtf8(std::string_view(line, strnlen(line, kAgendaLineSize)), lineUtf8, sizeof lineUtf8);
}

std::string_view weekdayName(int weekday)
{
    if (weekday < 0 || weekday > 6) return "?";
    static char names[7][8];
    static int lengths[7];
    if (lengths[weekday] == 0)
        lengths[weekday] = cp932ToUtf8(kWeekdayNames[weekday], names[weekday], sizeof names[weekday]);
    return std::string_view(names[weekday], static_cast<size_t>(lengths[weekday]));
}

void put(std::FILE* out, std::string_view text) { std::fwrite(text.data(), 1, text.size(), out); }

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

// Writes converted text for a terminal: a settings file must not be able to
// clear the screen or retitle the window with escape sequences, so the code
// points U+0000..U+001F and U+007F..U+009F show as U+FFFD. Checked in the
// UTF-8, not in the CP932, whose lead bytes share that range. With
// lineEnds, LF is kept and CR dropped (the overflow text's CR LF).
void putShown(std::FILE* out, std::string_view utf8, bool lineEnds)
{
    size_t runStart = 0;
    for (size_t i = 0; i < utf8.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        const unsigned char next = i + 1 < utf8.size() ? static_cast<unsigned char>(utf8[i + 1]) : 0;
        const bool c1 = c == 0xC2 && next >= 0x80 && next <= 0x9F;
        if (!(c < 0x20 || c == 0x7F || c1) || (lineEnds && c == '\n')) continue;
        put(out, utf8.substr(runStart, i - runStart));
        if (!(lineEnds && c == '\r')) put(out, kReplacementCharacter);
        if (c1) ++i;
        runStart = i + 1;
    }
    put(out, utf8.substr(runStart));
}

struct DayView {
    const DayInfo& info;
    const char (*lines)[kAgendaLineSize];
    const uint8_t* marks;
    int32_t matches;

    int filledLines() const { return matches < kAgendaLines ? matches : kAgendaLines; }
};

DayView todayView(const DayAgenda& shown)
{
    const Agenda& agenda = shown.agenda;
    return {shown.calendar.today, agenda.todayLines, agenda.todayMarks, agenda.todayMatches};
}

DayView tomorrowView(const DayAgenda& shown)
{
    const Agenda& agenda = shown.agenda;
    return {shown.calendar.tomorrow, agenda.tomorrowLines, agenda.tomorrowMarks, agenda.tomorrowMatches};
}

std::string_view overflowText(const Agenda& agenda)
{
    return toUtf8(std::string_view(agenda.overflowText, strnlen(agenda.overflowText, kOverflowTextSize)), overflowUtf8,
        sizeof overflowUtf8);
}

void writeJsonDay(std::FILE* out, const DayView& day)
{
    std::fprintf(
        out, "{\"month\":%d,\"day\":%d,\"weekday\":%d,\"lines\":[", day.info.month, day.info.day, day.info.weekday);
    for (int i = 0; i < day.filledLines(); ++i) {
        put(out, i == 0 ? "{\"text\":" : ",{\"text\":");
        writeJsonString(out, lineText(day.lines[i]));
        put(out, day.marks[i] ? ",\"marked\":true}" : ",\"marked\":false}");
    }
    put(out, "]}");
}

// "3月14日(金)"
void writeDayTitle(std::FILE* out, const DayInfo& info)
{
    std::fprintf(out, u8"%d月%d日(", info.month, info.day);
    put(out, weekdayName(info.weekday));
    put(out, ")");
}

void writeTextDay(std::FILE* out, const char* heading, const DayView& day)
{
    put(out, heading);
    writeDayTitle(out, day.info);
    put(out, "\n");
    if (day.filledLines() == 0) put(out, u8"    （予定なし）\n");
    for (int i = 0; i < day.filledLines(); ++i) {
        put(out, day.marks[i] ? u8"  ★ " : u8"  ・ ");
        putShown(out, lineText(day.lines[i]), false);
        put(out, "\n");
    }
}

}  // namespace

// ---------------------------------------------------------------- interface

bool parseDate(std::string_view text, LocalDate& date) { return readDate(text, date) == DateParse::ok; }

bool parseArguments(int argc, const char* const* argv, AgendaOptions& options, char* error, int errorSize)
{
    options = {kDefaultSettingsPath, false, {}, false, false, false, 0};
    bool fileGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--json") {
            options.json = true;
        } else if (argument == "--ics") {
            options.ics = true;
        } else if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else if (argument == "--file" || argument == "--date" || argument == "--days") {
            // The next argument is the value; one that is itself an option
            // means the value was left out.
            if (i + 1 >= argc || std::string_view(argv[i + 1]).substr(0, 2) == "--")
                return fail(error, errorSize, "option %s needs a value", argument);
            const std::string_view value = argv[++i];
            if (argument == "--file") {
                if (fileGiven) return fail(error, errorSize, "option %s is given twice", argument);
                fileGiven = true;
                options.file = argv[i];
            } else if (argument == "--days") {
                if (options.days != 0) return fail(error, errorSize, "option %s is given twice", argument);
                options.days = readDayCount(value);
                if (options.days == 0) {
                    char format[80];
                    std::snprintf(
                        format, sizeof format, "--days '%%s' is not a number of days from 1 to %d", kMaxAgendaDays);
                    return fail(error, errorSize, format, value);
                }
            } else {
                if (options.dateGiven) return fail(error, errorSize, "option %s is given twice", argument);
                switch (readDate(value, options.date)) {
                case DateParse::ok: break;
                case DateParse::malformed:
                    return fail(error, errorSize, "--date '%s' is not a date of the form YYYY-MM-DD", value);
                case DateParse::noSuchDay:
                    return fail(error, errorSize, "--date '%s' is not a day of the calendar", value);
                }
                options.dateGiven = true;
            }
        } else if (!argument.empty() && argument[0] == '-') {
            return fail(error, errorSize, "unknown option '%s'", argument);
        } else {
            return fail(error, errorSize, "unexpected argument '%s'", argument);
        }
    }
    // A calendar holds the schedule itself, not the board's days.
    if (options.ics && (options.json || options.days != 0))
        return fail(error, errorSize, "option %s cannot be combined with --json or --days", "--ics");
    if (options.days == 0) options.days = 1;
    return true;
}

void formatFileError(FileReadResult result, const char* path, char* error, int errorSize)
{
    const char* format = "%s: cannot be read";
    switch (result) {
    case FileReadResult::notFound: format = "%s: no such file"; break;
    case FileReadResult::openFailed: format = "%s: cannot be opened"; break;
    case FileReadResult::readFailed: format = "%s: cannot be read"; break;
    case FileReadResult::tooLarge: format = "%s: too large for a settings file (over 256 KiB)"; break;
    case FileReadResult::notRegularFile: format = "%s: not a regular file"; break;
    case FileReadResult::ok: break;
    }
    fail(error, errorSize, format, path);
}

void computeAgendaFor(const Schedule& schedule, const LocalDate& date, DayAgenda& shown)
{
    shown.calendar = computeCalendar(date.year, date.month, date.day, date.weekday);
    selectAgenda(schedule, shown.calendar, shown.agenda);
}

void writeShownText(std::FILE* out, std::string_view utf8) { putShown(out, utf8, false); }

void writeJsonString(std::FILE* out, std::string_view text)
{
    std::fputc('"', out);
    size_t runStart = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c != '"' && c != '\\') continue;
        put(out, text.substr(runStart, i - runStart));
        runStart = i + 1;
        switch (c) {
        case '"': put(out, "\\\""); break;
        case '\\': put(out, "\\\\"); break;
        case '\n': put(out, "\\n"); break;
        case '\r': put(out, "\\r"); break;
        case '\t': put(out, "\\t"); break;
        case '\b': put(out, "\\b"); break;
        case '\f': put(out, "\\f"); break;
        default: std::fprintf(out, "\\u%04x", c); break;
        }
    }
    put(out, text.substr(runStart));
    std::fputc('"', out);
}

void writeAgendaJson(std::FILE* out, const LocalDate& date, const DayAgenda& shown)
{
    std::fprintf(out, "{\"date\":\"%04d-%02d-%02d\",\"today\":", date.year, date.month, date.day);
    writeJsonDay(out, todayView(shown));
    put(out, ",\"tomorrow\":");
    writeJsonDay(out, tomorrowView(shown));
    put(out, ",\"overflow\":");
    writeJsonString(out, overflowText(shown.agenda));
    put(out, "}\n");
}

void writeAgendaText(std::FILE* out, const LocalDate& date, const DayAgenda& shown)
{
    const Agenda& agenda = shown.agenda;
    std::fprintf(out, u8"%d年", date.year);
    writeDayTitle(out, shown.calendar.today);
    put(out, u8"の予定\n\n");
    writeTextDay(out, u8"今日 ", todayView(shown));
    writeTextDay(out, u8"明日 ", tomorrowView(shown));

    bool anyMarked = false;
    for (int i = 0; i < kAgendaLines; ++i) anyMarked = anyMarked || agenda.todayMarks[i] || agenda.tomorrowMarks[i];
    if (anyMarked) put(out, u8"\n★ は日付または第n週の曜日で指定した予定です。\n");

    if (agenda.overflow) {
        // The board's overflow box, with Unix line ends.
        put(out, u8"\n４件以上の予定があります。\n");
        putShown(out, overflowText(agenda), true);
    }
}

void writeUsage(std::FILE* out)
{
    put(out,
        "usage: notavex-agenda [--file PATH] [--date YYYY-MM-DD] [--json]\n"
        "                      [--days N]\n"
        "       notavex-agenda [--file PATH] [--date YYYY-MM-DD] --ics\n"
        "Shows what the Notavex board shows for a date: today's and tomorrow's\n"
        "messages and those beyond the third. Reads the settings file (default\n"
        "notavex.ini in the current directory) and never writes anything.\n"
        "  --file PATH        the settings file to read\n"
        "  --date YYYY-MM-DD  the day taken as today (default: the local date)\n"
        "  --json             one JSON object instead of text\n"
        "  --days N           N days from the date on, one after another (JSON:\n"
        "                     one object a line), at most a hundred years\n"
        "  --ics              the whole schedule as an iCalendar file for a\n"
        "                     calendar app, each event from the date on; a date\n"
        "                     that matches no day is named on standard error\n"
        "Exit status: 0 shown, 1 the file is missing, unreadable or too large,\n"
        "2 the command line is wrong.\n");
}
