#include "schedule/store.h"

#include "text/cp932.h"
#include "text/decimal.h"

#include <cstring>

const int32_t kDaysInMonth[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
const char* const kWeekdayNames[7] = {"日", "月", "火", "水", "木", "金", "土"};

void resetStore(Schedule& schedule)
{
    schedule.settings = BoardSettings{0, 0, 0, 0, 10};
    schedule.table.MessageNum = 0;
    for (MessageEntry& entry : schedule.table.entries) {
        entry.text[0] = '\0';
        entry.dateNum = 0;
        for (DateCode& code : entry.dates) code = kEmptyDateCode;
    }
}

bool sameSchedule(const Schedule& a, const Schedule& b)
{
    if (std::memcmp(&a.settings, &b.settings, sizeof a.settings) != 0) return false;
    if (a.table.MessageNum != b.table.MessageNum) return false;
    const int messages =
        a.table.MessageNum < 0 ? 0 : (a.table.MessageNum > kMaxMessages ? kMaxMessages : a.table.MessageNum);
    for (int i = 0; i < messages; ++i) {
        const MessageEntry& x = a.table.entries[i];
        const MessageEntry& y = b.table.entries[i];
        if (std::strncmp(x.text, y.text, kMessageTextSize) != 0 || x.dateNum != y.dateNum) return false;
        const int dates = x.dateNum < 0 ? 0 : (x.dateNum > kMaxDatesPerMessage ? kMaxDatesPerMessage : x.dateNum);
        if (std::memcmp(x.dates, y.dates, sizeof(DateCode) * static_cast<size_t>(dates)) != 0) return false;
    }
    return true;
}

std::string_view storedMessageText(const MessageEntry& entry)
{
    const size_t length = strnlen(entry.text, kMessageTextSize);
    const std::string_view text(entry.text, length);
    if (length < kMessageTextSize) return text;  // the usual case: a NUL within the buffer
    return text.substr(0, static_cast<size_t>(cp932FitLength(text, kMessageTextSize - 1)));
}

int32_t daysInMonth(int month, int year)
{
    // Only months 1..12 are ever asked for; anything else has no days.
    if (month < 1 || month > 12) return 0;
    if (month == 2 && year % 4 == 0) return 29;
    return kDaysInMonth[month - 1];
}

namespace {

// A label under construction. The longest label of any 32-bit code is 14
// bytes ("21474836月47日"), so 32 bytes never run short.
struct LabelBuilder {
    char bytes[32];
    int length;

    void append(const char* text)
    {
        const size_t n = std::strlen(text);
        std::memcpy(bytes + length, text, n);
        length += static_cast<int>(n);
    }
    void appendNumber(int32_t value) { length += formatDecimal(value, bytes + length, int(sizeof bytes) - length); }
};

}  // namespace

void formatDateCodeLabel(DateCode code, char* buf, int size)
{
    LabelBuilder label{};
    if (isCalendarDateCode(code)) {
        // 314 reads 3月14日, 1201 reads 12月1日; values a damaged file may
        // hold read the same way (1301 reads 13月1日, 200 reads 2月0日).
        label.appendNumber(code / 100);
        label.append("月");
        label.appendNumber(code % 100);
        label.append("日");
    } else {
        // Every week: 0..6, and every negative value (−1, the empty slot,
        // reads 全曜日). Ordinals: 7..99 read 第1 … 第14. The value 100 is
        // neither a week rule nor a calendar date and only a hand-edited
        // file holds it; it reads on in the same arithmetic as the week
        // rules below it, 100 = 14 × 7 + 2, so 第14火曜日, which keeps the
        // label a plain continuation of 第14月曜日 (99) and does not invent
        // a third kind of date.
        if (code < 7) {
            label.append("全");
        } else {
            label.append("第");
            label.appendNumber(code / 7);
        }
        const int32_t weekday = code % 7;  // negative for negative codes
        if (weekday >= 0 && weekday <= 6) label.append(kWeekdayNames[weekday]);
        label.append("曜日");
    }
    cp932CopyFit(buf, size, std::string_view(label.bytes, static_cast<size_t>(label.length)));
}
