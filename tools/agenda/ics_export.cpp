#include "tools/agenda/ics_export.h"

#include "notavex_version.h"
#include "text/cp932.h"
#include "tools/agenda/agenda_view.h"
#include "tools/agenda/cp932_utf8.h"

#include <cstdarg>
#include <cstdint>
#include <cstring>

namespace {

// The longest content line is a SUMMARY: each byte of a 127-byte CP932 text
// gives at most three bytes escaped. Folding adds three bytes a line.
constexpr int kTextUtf8Size = (kMessageTextSize - 1) * 3;
constexpr int kContentSize = 512;
constexpr int kFoldedSize = kContentSize * 2;
static_assert(int(sizeof("SUMMARY:")) + kTextUtf8Size < kContentSize);

constexpr const char* kRuleWeekdays[7] = {"SU", "MO", "TU", "WE", "TH", "FR", "SA"};

enum class Repeat { never, weekly, monthly, yearly };

struct Recurrence {
    Repeat repeat;
    int ordinal;  // monthly: the nth weekday, 1..5
    int weekday;  // weekly and monthly: 0 = Sunday
    int month;    // yearly
    int day;      // yearly
};

// The days a code matches on the board (schedule/agenda.cpp): 0..6 every
// such weekday; ordinal * 7 + weekday with ordinal 1..5 that weekday within
// days 1-7, 8-14, ..., 29-31 of a month, which is the RFC's nth weekday of
// the month; above 100, month * 100 + day every year (29 February in leap
// years only). Anything else never matches.
Recurrence recurrenceOf(DateCode code)
{
    const Recurrence never = {Repeat::never, 0, 0, 0, 0};
    if (code < 0) return never;
    if (!isCalendarDateCode(code)) {
        const int ordinal = code / 7;
        if (ordinal > 5) return never;
        return {ordinal == 0 ? Repeat::weekly : Repeat::monthly, ordinal, code % 7, 0, 0};
    }
    constexpr int kLeapYear = 2008;  // gives every month its longest length
    const int month = code / 100;
    const int day = code % 100;
    if (month > 12 || day < 1 || day > daysInGregorianMonth(kLeapYear, month)) return never;
    return {Repeat::yearly, 0, 0, month, day};
}

bool isOnOrAfter(int year, int month, int day, const LocalDate& from)
{
    return year * 10000 + month * 100 + day >= from.year * 10000 + from.month * 100 + from.day;
}

// The rule's first day on or after from, in the years that --date accepts.
// It must be a day of the rule: a calendar reads DTSTART as one.
bool firstDayOf(const Recurrence& rule, const LocalDate& from, LocalDate& first)
{
    switch (rule.repeat) {
    case Repeat::never: return false;
    case Repeat::weekly:
        first = from;
        while (first.weekday != rule.weekday) first = dayAfter(first);
        return first.year <= kLastYear;
    case Repeat::monthly:
        for (int year = from.year, month = from.month; year <= kLastYear;) {
            const int day = 1 + (rule.weekday - weekdayOf(year, month, 1) + 7) % 7 + (rule.ordinal - 1) * 7;
            if (day <= daysInGregorianMonth(year, month) && isOnOrAfter(year, month, day, from)) {
                first = {year, month, day, rule.weekday};
                return true;
            }
            if (++month > 12) {
                month = 1;
                ++year;
            }
        }
        return false;
    case Repeat::yearly:
        for (int year = from.year; year <= kLastYear; ++year) {
            if (rule.day <= daysInGregorianMonth(year, rule.month) && isOnOrAfter(year, rule.month, rule.day, from)) {
                first = {year, rule.month, rule.day, weekdayOf(year, rule.month, rule.day)};
                return true;
            }
        }
        return false;
    }
    return false;
}

int utf8SequenceLength(unsigned char lead) { return lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1; }

int32_t clampCount(int32_t count, int32_t limit) { return count < 0 ? 0 : (count > limit ? limit : count); }

// FNV-1a of the text: the UID depends on nothing but the text and the code,
// so deleting or moving another message leaves it as it was.
uint64_t textHash(std::string_view text)
{
    uint64_t hash = 0xcbf29ce484222325u;
    for (char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3u;
    }
    return hash;
}

// How many times the same text with the same code came before date k of
// message m: the board shows each such pair once more, and each event needs
// a UID of its own.
int earlierTwins(const MessageTable& table, int32_t m, int32_t k)
{
    const DateCode code = table.entries[m].dates[k];
    const std::string_view text = storedMessageText(table.entries[m]);
    int twins = 0;
    for (int32_t i = 0; i <= m; ++i) {
        const int32_t dateCount = i < m ? clampCount(table.entries[i].dateNum, kMaxDatesPerMessage) : k;
        for (int32_t j = 0; j < dateCount; ++j)
            if (table.entries[i].dates[j] == code && storedMessageText(table.entries[i]) == text) ++twins;
    }
    return twins;
}

void writeLine(std::FILE* out, std::string_view content)
{
    char folded[kFoldedSize];
    std::fwrite(folded, 1, static_cast<size_t>(foldIcsLine(content, folded, sizeof folded)), out);
}

__attribute__((format(printf, 2, 3))) void writeFormatted(std::FILE* out, const char* format, ...)
{
    char content[kContentSize];
    va_list arguments;
    va_start(arguments, format);
    const int length = std::vsnprintf(content, sizeof content, format, arguments);
    va_end(arguments);
    if (length > 0) writeLine(out, std::string_view(content, static_cast<size_t>(length)));
}

void writeRule(std::FILE* out, const Recurrence& rule)
{
    switch (rule.repeat) {
    case Repeat::weekly: writeFormatted(out, "RRULE:FREQ=WEEKLY;BYDAY=%s", kRuleWeekdays[rule.weekday]); break;
    case Repeat::monthly:
        writeFormatted(out, "RRULE:FREQ=MONTHLY;BYDAY=%d%s", rule.ordinal, kRuleWeekdays[rule.weekday]);
        break;
    case Repeat::yearly: writeFormatted(out, "RRULE:FREQ=YEARLY;BYMONTH=%d;BYMONTHDAY=%d", rule.month, rule.day); break;
    case Repeat::never: break;
    }
}

struct EventText {
    std::string_view cp932;
    std::string_view utf8;
};

void writeEvent(std::FILE* out, const EventText& text, DateCode code, int twins, const Recurrence& rule,
    const LocalDate& first, const char* stamp)
{
    writeLine(out, "BEGIN:VEVENT");
    const unsigned long long hash = textHash(text.cp932);
    if (twins == 0)
        writeFormatted(out, "UID:notavex-%d-%016llx", code, hash);
    else
        writeFormatted(out, "UID:notavex-%d-%016llx-%d", code, hash, twins + 1);
    writeFormatted(out, "DTSTAMP:%s", stamp);
    writeFormatted(out, "DTSTART;VALUE=DATE:%04d%02d%02d", first.year, first.month, first.day);
    writeRule(out, rule);
    char summary[kContentSize];
    constexpr int kNameLength = int(sizeof("SUMMARY:")) - 1;
    std::memcpy(summary, "SUMMARY:", kNameLength);
    const int length = kNameLength + escapeIcsText(text.utf8, summary + kNameLength, kContentSize - kNameLength);
    writeLine(out, std::string_view(summary, static_cast<size_t>(length)));
    writeLine(out, "END:VEVENT");
}

void warnNoDay(std::FILE* warnings, int32_t message, std::string_view utf8, DateCode code)
{
    std::fprintf(warnings, "notavex-agenda: message %02d \"", message);
    writeShownText(warnings, utf8);
    std::fprintf(warnings, "\": date code %d matches no day; no event\n", code);
}

}  // namespace

int escapeIcsText(std::string_view utf8, char* out, int capacity)
{
    int at = 0;
    for (size_t i = 0; i < utf8.size();) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        size_t length = static_cast<size_t>(utf8SequenceLength(c));
        if (length > utf8.size() - i) length = utf8.size() - i;
        std::string_view piece = utf8.substr(i, length);
        if (c == '\\' || c == ';' || c == ',') {
            if (at + 2 > capacity) break;
            out[at++] = '\\';
        } else if ((c < 0x20 && c != '\t') || c == 0x7F) {
            piece = "\xEF\xBF\xBD";
        }
        if (at + static_cast<int>(piece.size()) > capacity) break;
        std::memcpy(out + at, piece.data(), piece.size());
        at += static_cast<int>(piece.size());
        i += length;
    }
    return at;
}

int foldIcsLine(std::string_view line, char* out, int capacity)
{
    int at = 0;
    size_t from = 0;
    size_t room = kIcsLineOctets;
    do {
        size_t end = from;
        while (end < line.size()) {
            const size_t length = static_cast<size_t>(utf8SequenceLength(static_cast<unsigned char>(line[end])));
            if (end + length - from > room) break;
            end += length;
        }
        if (end > line.size()) end = line.size();  // a text that ends inside a character
        const bool continued = from > 0;
        const int length = static_cast<int>(end - from);
        if (at + continued + length + 2 > capacity) return 0;
        if (continued) out[at++] = ' ';
        std::memcpy(out + at, line.data() + from, static_cast<size_t>(length));
        at += length;
        out[at++] = '\r';
        out[at++] = '\n';
        from = end;
        room = kIcsLineOctets - 1;  // the space counts
    } while (from < line.size());
    return at;
}

void writeIcsCalendar(
    std::FILE* out, std::FILE* warnings, const MessageTable& table, const LocalDate& from, const UtcTime& exportTime)
{
    writeLine(out, "BEGIN:VCALENDAR");
    writeLine(out, "VERSION:2.0");
    writeLine(out, "PRODID:-//Notavex//notavex-agenda " NOTAVEX_VERSION_TEXT "//EN");
    writeLine(out, "CALSCALE:GREGORIAN");
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04d%02d%02dT%02d%02d%02dZ", exportTime.year, exportTime.month, exportTime.day,
        exportTime.hour, exportTime.minute, exportTime.second);

    const int32_t messageCount = clampCount(table.MessageNum, kMaxMessages);
    for (int32_t m = 0; m < messageCount; ++m) {
        const MessageEntry& entry = table.entries[m];
        char utf8[kTextUtf8Size];
        const std::string_view cp932 = storedMessageText(entry);
        const EventText text = {
            cp932, std::string_view(utf8, static_cast<size_t>(cp932ToUtf8(cp932, utf8, sizeof utf8)))};
        const int32_t dateCount = clampCount(entry.dateNum, kMaxDatesPerMessage);
        for (int32_t k = 0; k < dateCount; ++k) {
            const Recurrence rule = recurrenceOf(entry.dates[k]);
            LocalDate first{};
            if (firstDayOf(rule, from, first))
                writeEvent(out, text, entry.dates[k], earlierTwins(table, m, k), rule, first, stamp);
            else
                warnNoDay(warnings, m, text.utf8, entry.dates[k]);
        }
    }
    writeLine(out, "END:VCALENDAR");
}
