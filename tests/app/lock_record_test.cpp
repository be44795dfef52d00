#include "app/lock_record.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(LockRecord, RoundTripsAndRefusesAllButAWholeLine)
{
    char text[kLockRecordSize];
    const LockRecord largest = {0xffffffffffffffffu, 0xffffffffu};  // a sign-extended handle
    LockRecord read = {};
    ASSERT_TRUE(parseLockRecord(text, formatLockRecord(largest, text), &read)) << text;
    EXPECT_EQ(read.window, largest.window);
    EXPECT_EQ(read.process, largest.process);
    EXPECT_STREQ(text, "ffffffffffffffff 4294967295\r\n");

    // A second start may read while the board writes, or find anything.
    for (const char* bad : {"", "00000000000a01c4 1234", "00000000000a01c4 1234\r", "00000000000a01c4 1234\r\nx",
             "00000000000a01c4 \r\n", "0000000000a01c4 1234\r\n", "00000000000a01c4 4294967296\r\n",
             "0000000000000000 1234\r\n", "00000000000a01c4 0\r\n"})
        EXPECT_FALSE(parseLockRecord(bad, static_cast<int>(std::strlen(bad)), &read)) << bad;
}
