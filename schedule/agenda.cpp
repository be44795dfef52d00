#include "schedule/agenda.h"

#include "schedule/calendar.h"
#include "text/cp932.h"
#include "text/decimal.h"
#include "schedule/store.h"

#include <cstring>
#include <string_view>

const char kBlankAgendaLine[] = "　　　　　　　　　　　　　　　";

namespace {

// An overflow entry reads "[n件目の今日の予定]" CR LF, a full-width space,
// the text, CR LF (明日 for tomorrow). These are the parts after n.
constexpr char kTodayEntryHead[] = "件目の今日の予定]\r\n　";
constexpr char kTomorrowEntryHead[] = "件目の明日の予定]\r\n　";
constexpr char kEntryTail[] = "\r\n";

// Entries are formatted in a local buffer first. The longest entry, a
// ten-digit count and a 127-byte text, stays well below it.
constexpr int kEntryBufferSize = 256;
constexpr int kLongestEntry =
    1 + 10 + int(sizeof(kTomorrowEntryHead)) - 1 + (kMessageTextSize - 1) + int(sizeof(kEntryTail)) - 1;
static_assert(kLongestEntry < kEntryBufferSize);

// overflowText never holds 65,535 bytes or more: an entry is appended only
// while the text stays below that.
constexpr int kOverflowTextBound = kOverflowTextSize - 1;

// The overflow text while it is being written.
struct OverflowText {
    char* text;
    int length;     // bytes, without the NUL
    int32_t* flag;  // set at the first match that has no line
};

// One day of the agenda while it is being selected.
struct DaySelection {
    OverflowText* overflow;
    char (*lines)[kAgendaLineSize];
    uint8_t* marks;
    const char* entryHead;
    int entryHeadLength;
    int32_t count;  // matches recorded so far
};

int decimalDigits(int32_t value)
{
    int digits = 1;
    while (value >= 10) {
        value /= 10;
        ++digits;
    }
    return digits;
}

void appendOverflowEntry(const DaySelection& day, std::string_view text)
{
    const int digits = decimalDigits(day.count);
    const int textLength = static_cast<int>(text.size());
    const int tailLength = int(sizeof(kEntryTail)) - 1;
    const int entryLength = 1 + digits + day.entryHeadLength + textLength + tailLength;
    // Dropped entries are not formatted at all: once the text is full, the
    // remaining matches cost only this test.
    OverflowText& overflow = *day.overflow;
    if (overflow.length + entryLength >= kOverflowTextBound) return;

    char entry[kEntryBufferSize];
    int at = 0;
    entry[at++] = '[';
    at += formatDecimal(day.count, entry + at, kEntryBufferSize - at);
    std::memcpy(entry + at, day.entryHead, static_cast<size_t>(day.entryHeadLength));
    at += day.entryHeadLength;
    std::memcpy(entry + at, text.data(), static_cast<size_t>(textLength));
    at += textLength;
    std::memcpy(entry + at, kEntryTail, static_cast<size_t>(tailLength));
    at += tailLength;

    std::memcpy(overflow.text + overflow.length, entry, static_cast<size_t>(at));
    overflow.length += at;
    overflow.text[overflow.length] = '\0';
}

// Records one match of a message for a day: one of the day's three lines
// while there is room, an overflow entry after that.
void recordMatch(DaySelection& day, const MessageEntry& entry, bool marked)
{
    ++day.count;
    if (day.count <= kAgendaLines) {
        // A line holds at most 99 bytes of the text, cut back to a whole
        // character; only a hand-edited file brings a text that long.
        const std::string_view text = storedMessageText(entry);
        char* line = day.lines[day.count - 1];
        if (text.size() < kAgendaLineSize) {
            std::memcpy(line, text.data(), text.size());
            line[text.size()] = '\0';
        } else {
            cp932CopyFit(line, kAgendaLineSize, text);
        }
        if (marked) day.marks[day.count - 1] = 1;
        return;
    }
    *day.overflow->flag = 1;
    appendOverflowEntry(day, storedMessageText(entry));
}

int32_t clampCount(int32_t count, int32_t limit) { return count < 0 ? 0 : (count > limit ? limit : count); }

}  // namespace

void selectAgenda(const Schedule& schedule, const Calendar& calendar, Agenda& agenda)
{
    const MessageTable& messageTable = schedule.table;
    for (int i = 0; i < kAgendaLines; ++i) {
        std::memcpy(agenda.todayLines[i], kBlankAgendaLine, sizeof(kBlankAgendaLine));
        std::memcpy(agenda.tomorrowLines[i], kBlankAgendaLine, sizeof(kBlankAgendaLine));
        agenda.todayMarks[i] = 0;
        agenda.tomorrowMarks[i] = 0;
    }
    agenda.overflowText[0] = '\0';
    agenda.overflow = 0;
    OverflowText overflow{agenda.overflowText, 0, &agenda.overflow};

    DaySelection todaySelection{
        &overflow, agenda.todayLines, agenda.todayMarks, kTodayEntryHead, int(sizeof(kTodayEntryHead)) - 1, 0};
    DaySelection tomorrowSelection{&overflow, agenda.tomorrowLines, agenda.tomorrowMarks, kTomorrowEntryHead,
        int(sizeof(kTomorrowEntryHead)) - 1, 0};

    // The counts are kept within the table by whoever fills it; clamping
    // them here only keeps a damaged store from being read past its end.
    const int32_t messageCount = clampCount(messageTable.MessageNum, kMaxMessages);
    // Copies: the agenda's buffers are written between the comparisons, and
    // the compiler cannot know that they never overlap the calendar.
    const DayInfo now = calendar.today;
    const DayInfo next = calendar.tomorrow;

    // First pass: week rules. An nth-weekday rule is a specific day and
    // marks its line; an every-week rule does not.
    for (int32_t m = 0; m < messageCount; ++m) {
        const MessageEntry& entry = messageTable.entries[m];
        const int32_t dateCount = clampCount(entry.dateNum, kMaxDatesPerMessage);
        for (int32_t k = 0; k < dateCount; ++k) {
            const DateCode code = entry.dates[k];
            if (isCalendarDateCode(code)) continue;
            if (code == now.weekRuleCode || code == now.weekday)
                recordMatch(todaySelection, entry, code == now.weekRuleCode);
            if (code == next.weekRuleCode || code == next.weekday)
                recordMatch(tomorrowSelection, entry, code == next.weekRuleCode);
        }
    }

    // Second pass: calendar dates, always marked.
    for (int32_t m = 0; m < messageCount; ++m) {
        const MessageEntry& entry = messageTable.entries[m];
        const int32_t dateCount = clampCount(entry.dateNum, kMaxDatesPerMessage);
        for (int32_t k = 0; k < dateCount; ++k) {
            const DateCode code = entry.dates[k];
            if (!isCalendarDateCode(code)) continue;
            const int32_t month = code / 100;
            const int32_t day = code % 100;
            if (month == now.month && day == now.day) recordMatch(todaySelection, entry, true);
            if (month == next.month && day == next.day) recordMatch(tomorrowSelection, entry, true);
        }
    }
    agenda.todayMatches = todaySelection.count;
    agenda.tomorrowMatches = tomorrowSelection.count;
}
