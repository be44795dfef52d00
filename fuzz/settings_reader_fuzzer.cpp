// Any bytes as the settings file: the conversion from UTF-16 or UTF-8 must
// stay within the file's bytes, and leave CP932 ones as they are; the
// reader must never step outside a buffer, must leave the schedule within
// its limits, must agree with the plain key search, and what it read must
// come back whole through the writer.
#include "schedule/store.h"
#include "settings_file/reference/settings_text_scan.h"
#include "settings_file/settings_text.h"
#include "settings_file/text_encoding.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace {

// The plain key search is quadratic; beyond this size only the indexed
// reader runs, so that the fuzzer keeps its pace.
constexpr size_t kCompareLimit = 16384;

struct Monitor {
    int32_t left, top, right, bottom;
};
constexpr Monitor kMonitors[] = {{0, 0, 1024, 768}, {1024, -200, 2944, 880}};

bool withinOneMonitor(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    for (const Monitor& m : kMonitors)
        if (left >= m.left && top >= m.top && right <= m.right && bottom <= m.bottom) return true;
    return false;
}

constexpr ScreenGeometry kScreen = {1024, 768, withinOneMonitor};

Schedule schedule;
Schedule readSchedule;
char composed[kSettingsFileMaxBytes];
char converted[kSettingsFileMaxBytes];

// A reset schedule with every byte defined, made once: copying it is much
// cheaper than resetting under the fuzzer's instrumentation.
Schedule resetSchedule;

void freshSchedule()
{
    static const bool made = [] {
        std::memset(&resetSchedule, 0, sizeof resetSchedule);
        resetStore(resetSchedule);
        return true;
    }();
    (void)made;
    schedule = resetSchedule;
}

// As the program reads a file: the values, then the board onto the screen.
void readAsTheProgram(std::string_view text)
{
    applySettingsText(text, schedule);
    fitBoardOnScreen(schedule.settings, kScreen);
}

void check(bool condition)
{
    if (!condition) std::abort();
}

void checkWithinLimits()
{
    const BoardSettings& boardSettings = schedule.settings;
    const MessageTable& messageTable = schedule.table;
    const int64_t x = boardSettings.winX;
    const int64_t y = boardSettings.winY;
    check(withinOneMonitor(boardSettings.winX, boardSettings.winY, static_cast<int32_t>(x + kBoardPictureWidth),
        static_cast<int32_t>(y + kBoardPictureHeight)));
    check(boardSettings.topmost >= 0 && boardSettings.autoend >= 0 && boardSettings.endsec >= 0);
    check(messageTable.MessageNum >= 0 && messageTable.MessageNum <= kMaxMessages);
    for (int i = 0; i < messageTable.MessageNum; ++i) {
        const MessageEntry& entry = messageTable.entries[i];
        check(entry.dateNum >= 0 && entry.dateNum <= kMaxDatesPerMessage);
        const void* nul = std::memchr(entry.text, '\0', kMessageTextSize);
        check(nul != nullptr);
        check(std::strpbrk(entry.text, "\r\n") == nullptr);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Larger files are refused before they are read.
    if (size > static_cast<size_t>(kSettingsFileMaxBytes)) return 0;
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    std::memcpy(converted, data, size);
    const Cp932Conversion conversion = convertSettingsTextToCp932(converted, static_cast<int>(size));
    check(conversion.length >= 0 && conversion.length <= static_cast<int>(size));
    if (conversion.source == TextEncoding::cp932) check(std::memcmp(converted, data, size) == 0);

    freshSchedule();
    readAsTheProgram(text);
    checkWithinLimits();
    readSchedule = schedule;

    if (size <= kCompareLimit) {
        freshSchedule();
        applySettingsTextByScan(text, schedule);
        fitBoardOnScreen(schedule.settings, kScreen);
        check(std::memcmp(&schedule, &readSchedule, sizeof schedule) == 0);
    }

    // Written out and read back, the schedule is what the file gave.
    const int length = composeSettingsText(readSchedule, composed, sizeof composed);
    check(length > 0);
    freshSchedule();
    // Read whole, too: the program's own file never calls for a backup.
    check(applySettingsText(std::string_view(composed, static_cast<size_t>(length)), schedule).whole);
    fitBoardOnScreen(schedule.settings, kScreen);
    check(sameSchedule(schedule, readSchedule));
    return 0;
}
