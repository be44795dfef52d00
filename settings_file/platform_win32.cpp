// The platform seam on Windows: kernel32 files, the local clock, the
// monitors, and error boxes through the CP932 door.
#include "settings_file/platform.h"
#include "win32/display_dpi.h"
#include "win32/wide_text.h"

#include <windows.h>

#include <cstring>

namespace {

// Paths of the program's own files: short ASCII names in the working folder.
constexpr int kPathChars = MAX_PATH;

// The W functions take UTF-16: every path crosses the door here.
struct WidePath {
    wchar_t text[kPathChars];
    explicit WidePath(const char* path) { toWide(path, text, kPathChars); }
};

HANDLE openForReading(const char* path)
{
    // Sharing everything: an editor that keeps the file open for writing,
    // or a program that is about to rename it, does not block the board.
    return CreateFileW(WidePath(path).text, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

FileReadResult win32ReadFile(const char* path, char* buffer, int maxBytes, int* length)
{
    HANDLE file = openForReading(path);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? FileReadResult::notFound
                                                                              : FileReadResult::openFailed;
    }
    FileReadResult result = FileReadResult::ok;
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file, &size)) {
        result = FileReadResult::readFailed;
    } else if (size.QuadPart > maxBytes) {
        result = FileReadResult::tooLarge;
    } else {
        const DWORD wanted = static_cast<DWORD>(size.QuadPart);
        DWORD done = 0;
        while (done < wanted) {
            DWORD n = 0;
            if (!ReadFile(file, buffer + done, wanted - done, &n, nullptr) || n == 0) break;
            done += n;
        }
        if (done == wanted)
            *length = static_cast<int>(done);
        else
            result = FileReadResult::readFailed;
    }
    CloseHandle(file);
    return result;
}

FileWriteResult win32WriteFileDurably(const char* path, const char* data, int length)
{
    HANDLE file =
        CreateFileW(WidePath(path).text, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return FileWriteResult::openFailed;
    bool ok = true;
    DWORD done = 0;
    const DWORD wanted = static_cast<DWORD>(length);
    while (ok && done < wanted) {
        DWORD n = 0;
        ok = WriteFile(file, data + done, wanted - done, &n, nullptr) && n > 0;
        done += n;
    }
    ok = ok && FlushFileBuffers(file);
    ok = CloseHandle(file) && ok;
    return ok ? FileWriteResult::ok : FileWriteResult::writeFailed;
}

int win32RemoveFile(const char* path) { return DeleteFileW(WidePath(path).text) ? 0 : -1; }

bool exists(const WidePath& path) { return GetFileAttributesW(path.text) != INVALID_FILE_ATTRIBUTES; }

// Windows refuses to replace a read-only target by itself; Wine does not,
// so the attribute is checked here as well.
bool isReadOnly(const WidePath& path)
{
    const DWORD attributes = GetFileAttributesW(path.text);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

ReplaceResult win32ReplaceFile(const char* from, const char* to, const char* caught)
{
    const WidePath target(to);
    const WidePath replacement(from);
    const WidePath backup(caught);
    if (isReadOnly(target)) return ReplaceResult::failed;
    if (ReplaceFileW(target.text, replacement.text, backup.text, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr))
        return ReplaceResult::replaced;
    const DWORD error = GetLastError();
    if ((error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) && !exists(target) && exists(replacement))
        return ReplaceResult::noTarget;
    // Half-way: the version replaced may stand under the catch name only.
    if ((error == ERROR_UNABLE_TO_MOVE_REPLACEMENT || error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) && !exists(target))
        MoveFileExW(backup.text, target.text, MOVEFILE_WRITE_THROUGH);
    return ReplaceResult::failed;
}

constexpr DWORD kCopyChunkSize = 65536;
char copyChunk[kCopyChunkSize];
char otherChunk[kCopyChunkSize];

// Fills buffer from file as far as the file goes: false when a read failed.
bool readChunk(HANDLE file, char* buffer, DWORD size, DWORD* got)
{
    *got = 0;
    while (*got < size) {
        DWORD n = 0;
        if (!ReadFile(file, buffer + *got, size - *got, &n, nullptr)) return false;
        if (n == 0) break;
        *got += n;
    }
    return true;
}

int win32RenameNoReplace(const char* from, const char* to)
{
    // Without MOVEFILE_REPLACE_EXISTING an existing target makes it fail.
    return MoveFileExW(WidePath(from).text, WidePath(to).text, MOVEFILE_WRITE_THROUGH) ? 0 : -1;
}

int win32SameBytes(const char* a, const char* b)
{
    HANDLE first = openForReading(a);
    HANDLE second = openForReading(b);
    int result = first != INVALID_HANDLE_VALUE && second != INVALID_HANDLE_VALUE ? 1 : -1;
    while (result == 1) {
        DWORD n = 0;
        DWORD m = 0;
        if (!readChunk(first, copyChunk, kCopyChunkSize, &n) || !readChunk(second, otherChunk, kCopyChunkSize, &m))
            result = -1;
        else if (n != m || std::memcmp(copyChunk, otherChunk, n) != 0)
            result = 0;
        else if (n == 0)
            break;
    }
    if (first != INVALID_HANDLE_VALUE) CloseHandle(first);
    if (second != INVALID_HANDLE_VALUE) CloseHandle(second);
    return result;
}

void win32ListFiles(const char* prefix, void (*each)(const char* name, void* context), void* context)
{
    char pattern[kPathChars];
    wsprintfA(pattern, "%.200s*", prefix);
    WIN32_FIND_DATAW found;
    HANDLE search =
        FindFirstFileExW(WidePath(pattern).text, FindExInfoBasic, &found, FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        char name[kPathChars];
        char32_t refused = 0;
        fromWideExact(found.cFileName, name, kPathChars, &refused);
        each(name, context);
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

FileStamp win32FileStamp(const char* path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(WidePath(path).text, GetFileExInfoStandard, &data)) return {false, 0, 0};
    const int64_t size = (static_cast<int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    const int64_t time =
        (static_cast<int64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
    return {true, size, time};
}

void win32ShowErrorBox(OwnerWindow owner, const char* text, const char* caption)
{
    messageBox932(static_cast<HWND>(owner), text, caption, MB_OK | MB_ICONERROR);
}

LocalDate win32LocalDate()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wDayOfWeek};
}

ScreenSize win32PrimaryScreen()
{
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), systemDpi(), systemFrame()};
}

struct MonitorQuery {
    RECT rect;
    bool within;
};

BOOL CALLBACK checkMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data)
{
    MonitorQuery& query = *reinterpret_cast<MonitorQuery*>(data);
    MONITORINFO info;
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(monitor, &info)) return TRUE;
    const RECT& area = info.rcMonitor;  // the full area, not the work area
    if (query.rect.left >= area.left && query.rect.top >= area.top && query.rect.right <= area.right
        && query.rect.bottom <= area.bottom) {
        query.within = true;
        return FALSE;
    }
    return TRUE;
}

bool win32WithinOneMonitor(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    MonitorQuery query = {{left, top, right, bottom}, false};
    EnumDisplayMonitors(nullptr, nullptr, checkMonitor, reinterpret_cast<LPARAM>(&query));
    return query.within;
}

int win32Utf16ToCp932(const char16_t* text, int units, char* out, int outSize, bool* lossy)
{
    static_assert(sizeof(char16_t) == sizeof(wchar_t));
    char32_t refused = 0;
    const int n = fromWideExact(reinterpret_cast<const wchar_t*>(text), units, out, outSize, &refused);
    *lossy = refused != 0;
    return n;
}

}  // namespace

constexpr SettingsPlatform kSystemSettingsPlatform = {
    win32ReadFile,
    win32WriteFileDurably,
    win32RemoveFile,
    win32ReplaceFile,
    win32RenameNoReplace,
    win32SameBytes,
    win32ListFiles,
    win32FileStamp,
    win32ShowErrorBox,
    win32LocalDate,
    win32PrimaryScreen,
    win32WithinOneMonitor,
    win32Utf16ToCp932,
};

SettingsPlatform settingsPlatform = kSystemSettingsPlatform;
