#include "app/date_timer.h"

#include <gtest/gtest.h>

namespace {

struct DelayCase {
    int hour, minute, second, millisecond;
    unsigned delay;
};

// A minute at most; within the second after midnight when that comes first.
const DelayCase kDelayCases[] = {
    {9, 0, 0, 0, 60000},
    {0, 0, 0, 0, 60000},
    {23, 59, 0, 0, 60000},
    {23, 59, 0, 1, 60000},  // 59.999 s to midnight, one more to the look
    {23, 59, 30, 0, 31000},
    {23, 59, 59, 999, 1001},
    {23, 59, 60, 0, 60000},  // a leap second: a plain minute
    {-1, 0, 0, 0, 60000},
};

TEST(DateTimer, NextLookIsAMinuteAwayOrJustAfterMidnight)
{
    for (const DelayCase& c : kDelayCases)
        EXPECT_EQ(nextDateCheckMs(c.hour, c.minute, c.second, c.millisecond), c.delay)
            << c.hour << ":" << c.minute << ":" << c.second << "." << c.millisecond;
}

}  // namespace
