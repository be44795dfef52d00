// Composing the whole settings text from the store: the six header lines,
// then each message's count line, text line and date lines, CR LF after each.
#include "settings_file/settings_text.h"
#include "schedule/store.h"
#include "text/decimal.h"

#include <algorithm>
#include <cstring>

namespace {

struct TextOut {
    char* bytes;
    int capacity;
    int length;
    bool overflow;

    void put(std::string_view part)
    {
        const int size = static_cast<int>(part.size());
        if (overflow || size > capacity - length) {
            overflow = true;
            return;
        }
        std::memcpy(bytes + length, part.data(), part.size());
        length += size;
    }
    // "%d"
    void putNumber(int32_t value)
    {
        char digits[kDecimalSize];
        put(std::string_view(digits, static_cast<size_t>(formatDecimal(value, digits, kDecimalSize))));
    }
    // "%02d" for the non-negative message and date numbers
    void putTwoDigits(int value)
    {
        if (value < 10) put("0");
        putNumber(value);
    }
    void putLine(std::string_view key, int32_t value)
    {
        put(key);
        putNumber(value);
        put("\r\n");
    }
};

}  // namespace

int composeSettingsText(const Schedule& schedule, char* out, int capacity)
{
    const BoardSettings& boardSettings = schedule.settings;
    const MessageTable& messageTable = schedule.table;
    TextOut text{out, capacity, 0, false};
    text.putLine("winX=", boardSettings.winX);
    text.putLine("winY=", boardSettings.winY);
    text.putLine("topmost=", boardSettings.topmost);
    text.putLine("autoend=", boardSettings.autoend);
    text.putLine("endsec=", boardSettings.endsec);
    text.putLine("MessageNum=", messageTable.MessageNum);

    // The counts are written as held, but never read past the arrays.
    const int messages = std::clamp(messageTable.MessageNum, 0, kMaxMessages);
    for (int i = 0; i < messages; ++i) {
        const MessageEntry& entry = messageTable.entries[i];
        text.putTwoDigits(i);
        text.putLine("Num=", entry.dateNum);

        text.putTwoDigits(i);
        text.put("00=");
        const void* nul = std::memchr(entry.text, '\0', kMessageTextSize - 1);
        const size_t textLength = nul != nullptr ? static_cast<const char*>(nul) - entry.text : kMessageTextSize - 1;
        text.put(std::string_view(entry.text, textLength));
        text.put("\r\n");

        const int dates = std::clamp(entry.dateNum, 0, kMaxDatesPerMessage);
        for (int k = 1; k <= dates; ++k) {
            text.putTwoDigits(i);
            text.putTwoDigits(k);
            text.putLine("=", entry.dates[k - 1]);
        }
    }
    return text.overflow ? -1 : text.length;
}
