// What a running board writes into its lock file for a second start to read:
// its window handle and process id, as one line of text.
#pragma once

#include <cstdint>

// "<window: 16 hex digits> <process id: decimal>\r\n" and a NUL fit.
constexpr int kLockRecordSize = 32;

struct LockRecord {
    std::uint64_t window;
    std::uint32_t process;
};

// Writes the line and a NUL into out (kLockRecordSize bytes); returns the
// line's length.
int formatLockRecord(const LockRecord& record, char* out);
// False unless text holds exactly one whole line with a window and a
// process: a board that has not finished writing it gives no record.
bool parseLockRecord(const char* text, int length, LockRecord* record);
