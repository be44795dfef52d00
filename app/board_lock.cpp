#include "app/board_lock.h"

#include "app/lock_record.h"
#include "settings_file/file_names.h"
#include "win32/wide_text.h"

namespace {

constexpr int kLockPathChars = sizeof kLockPath;
// The running board writes its record as soon as its window exists; a
// second start that comes in before that waits this long for it.
constexpr DWORD kRecordWaitMs = 5000;
constexpr DWORD kRecordRetryMs = 100;

// Never closed by the program: the system closes it when the process ends,
// even by a crash, and the close deletes the file.
HANDLE lockFile = INVALID_HANDLE_VALUE;

void lockPath(wchar_t* path) { toWide(kLockPath, path, kLockPathChars); }

bool readRecord(LockRecord* record)
{
    wchar_t path[kLockPathChars];
    lockPath(path);
    for (DWORD waited = 0;; waited += kRecordRetryMs) {
        // Sharing everything the holder has: reading must not disturb it.
        HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            char text[kLockRecordSize];
            DWORD length = 0;
            const BOOL read = ReadFile(file, text, sizeof text, &length, nullptr);
            CloseHandle(file);
            if (read && parseLockRecord(text, static_cast<int>(length), record)) return true;
        }
        if (waited >= kRecordWaitMs) return false;
        Sleep(kRecordRetryMs);
    }
}

}  // namespace

BoardLock takeBoardLock()
{
    wchar_t path[kLockPathChars];
    lockPath(path);
    // Creating anew drops a record that a dead holder might have left. No
    // deleting is shared: while the board runs, the lock can be neither
    // deleted nor renamed away for a second board to start.
    lockFile = CreateFileW(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
        FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (lockFile != INVALID_HANDLE_VALUE) return BoardLock::Taken;
    const DWORD error = GetLastError();
    if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION) return BoardLock::HeldByAnother;
    return BoardLock::Unavailable;
}

void recordBoardInLock(HWND board)
{
    if (lockFile == INVALID_HANDLE_VALUE) return;
    const LockRecord record = {reinterpret_cast<ULONG_PTR>(board), GetCurrentProcessId()};
    char text[kLockRecordSize];
    const int length = formatLockRecord(record, text);
    // One write of the whole line: a reader sees all of it or retries.
    DWORD written = 0;
    WriteFile(lockFile, text, static_cast<DWORD>(length), &written, nullptr);
}

void showRunningBoard()
{
    LockRecord record;
    if (!readRecord(&record)) return;
    HWND board = reinterpret_cast<HWND>(static_cast<ULONG_PTR>(record.window));
    // A board of another session or PC (a shared folder) has no window
    // here; a handle of this desktop with the same value is someone else's.
    DWORD owner = 0;
    if (!GetWindowThreadProcessId(board, &owner) || owner != record.process) return;
    // Only the start the user just made may hand on the right to come to
    // the front.
    AllowSetForegroundWindow(record.process);
    PostMessageW(board, RegisterWindowMessageW(kShowBoardMessageName), 0, 0);
}
