#include "app/date_timer.h"

namespace {
constexpr long kDayMs = 24L * 60 * 60 * 1000;
}  // namespace

unsigned nextDateCheckMs(int hour, int minute, int second, int millisecond)
{
    const long sinceMidnight = ((hour * 60L + minute) * 60 + second) * 1000 + millisecond;
    // A leap second or a clock out of range still gets a look within the minute.
    if (sinceMidnight < 0 || sinceMidnight >= kDayMs) return kDateCheckPeriodMs;
    const long untilLook = kDayMs - sinceMidnight + kAfterMidnightMs;
    return untilLook < static_cast<long>(kDateCheckPeriodMs) ? static_cast<unsigned>(untilLook) : kDateCheckPeriodMs;
}
