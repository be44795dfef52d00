// Everything loadSettings and saveSettings need from the system, as one
// table of functions: the native build fills it with POSIX calls, Windows
// with Win32 ones, and tests swap in a fake that fails on demand.
#pragma once

#include "layout/board_scale.h"

#include <cstdint>

// The window that owns the error boxes (an HWND on Windows).
using OwnerWindow = void*;

enum class FileReadResult {
    ok,
    notFound,        // no such file: the only case in which it may be created
    openFailed,      // it exists but cannot be opened (locked, no permission)
    readFailed,      // a read failed or came back short
    tooLarge,        // more than the caller's maximum; nothing read
    notRegularFile,  // a directory, FIFO or device; nothing read
};

enum class FileWriteResult {
    ok,
    openFailed,   // it could not be created or opened for writing
    writeFailed,  // writing or flushing failed: a full disk, most often
};

enum class ReplaceResult {
    replaced,  // the new file stands; what it replaced is under the catch name
    noTarget,  // nothing to replace: no file changed
    failed,    // nothing changed
};

struct LocalDate {
    int year;
    int month;    // 1..12
    int day;      // 1..31
    int weekday;  // 0 = Sunday
};

// What a look at a file's entry tells of it, without opening it.
struct FileStamp {
    bool exists;
    int64_t size;
    int64_t time;  // last written, in the system's own units
};

inline bool operator==(const FileStamp& a, const FileStamp& b)
{
    return a.exists == b.exists && (!a.exists || (a.size == b.size && a.time == b.time));
}
inline bool operator!=(const FileStamp& a, const FileStamp& b) { return !(a == b); }

struct ScreenSize {
    int32_t width;
    int32_t height;
    int32_t dpi;       // the system's: the scale a board is placed at
    BoardFrame frame;  // the board window's frame at that scale
};

struct SettingsPlatform {
    // Opens path for reading only, sharing reading, writing and deleting
    // with other programs (an editor that holds it open does not block the
    // board), and reads all of it into buffer (room for maxBytes). On ok,
    // *length holds the number of bytes read.
    FileReadResult (*readFile)(const char* path, char* buffer, int maxBytes, int* length);
    // Creates or truncates path, writes all length bytes, flushes them to the
    // disk and closes it.
    FileWriteResult (*writeFileDurably)(const char* path, const char* data, int length);
    // 0, or -1 (a read-only or locked file is not removed).
    int (*removeFile)(const char* path);
    // Puts from in the place of an existing to and, in the same step, moves
    // the version of to it replaces to caught, so that no version written
    // by another program in the meantime is lost. Refuses a read-only to;
    // caught must not exist.
    ReplaceResult (*replaceFile)(const char* from, const char* to, const char* caught);
    // Puts from in the place of to only while no file named to exists: an
    // existing to is never replaced. 0, or -1 with both as they were.
    int (*renameNoReplace)(const char* from, const char* to);
    // 1 when both files hold the same bytes, 0 when they differ, -1 when
    // either cannot be read.
    int (*sameBytes)(const char* a, const char* b);
    // Calls each(name, context) for every entry of the current folder whose
    // name begins with prefix, compared without regard to ASCII case. A few
    // more may come (Windows also matches short 8.3 names): callers check.
    void (*listFiles)(const char* prefix, void (*each)(const char* name, void* context), void* context);
    // Size and time of last write, from the folder entry alone.
    FileStamp (*fileStamp)(const char* path);
    // A modal error box with an OK button, owned by owner; CP932 texts.
    void (*showErrorBox)(OwnerWindow owner, const char* text, const char* caption);
    LocalDate (*localDate)();
    ScreenSize (*primaryScreen)();
    // True when [left, right) x [top, bottom) lies wholly within the full
    // area (not the work area) of one monitor.
    bool (*withinOneMonitor)(int32_t left, int32_t top, int32_t right, int32_t bottom);
    // Converts units UTF-16 units into CP932 bytes in out (outSize; no NUL
    // added) as the program's door to Windows does (win32/wide_text.h): the
    // six characters spelt two ways become the CP932 character they stand
    // for, and a character with no CP932 form that reads back as itself
    // becomes "?". *lossy tells whether any did. Returns the bytes written
    // (two bytes a unit always fit).
    int (*utf16ToCp932)(const char16_t* text, int units, char* out, int outSize, bool* lossy);
};

// The system's own table; tests assign another and put it back.
extern SettingsPlatform settingsPlatform;
extern const SettingsPlatform kSystemSettingsPlatform;
