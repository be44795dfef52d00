// The platform seam on Windows: kernel32 files, the local clock, the
// monitors, and error boxes through the CP932 door.
#include "settings_file/platform.h"
#include "win32/wide_text.h"

#include <windows.h>

namespace {

FileReadResult win32ReadFile(const char* path, char* buffer, int maxBytes, int* length)
{
    // Reading only, sharing reads: a read-only file, or one that another
    // program merely reads, is still read.
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
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

int win32WriteFileDurably(const char* path, const char* data, int length)
{
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return -1;
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
    return ok ? 0 : -1;
}

int win32RemoveFile(const char* path) { return DeleteFileA(path) ? 0 : -1; }

// Windows refuses to replace a read-only target by itself; Wine does not,
// so the attribute is checked here as well.
bool isReadOnly(const char* path)
{
    const DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

int win32ReplaceFile(const char* from, const char* to)
{
    if (isReadOnly(to)) return -1;
    return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) ? 0 : -1;
}

int win32CopyFile(const char* from, const char* to) { return CopyFileA(from, to, FALSE) ? 0 : -1; }

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

ScreenSize win32PrimaryScreen() { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

struct MonitorQuery {
    RECT rect;
    bool within;
};

BOOL CALLBACK checkMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data)
{
    MonitorQuery& query = *reinterpret_cast<MonitorQuery*>(data);
    MONITORINFO info;
    info.cbSize = sizeof info;
    if (!GetMonitorInfoA(monitor, &info)) return TRUE;
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
    return fromWideExact(reinterpret_cast<const wchar_t*>(text), units, out, outSize, lossy);
}

}  // namespace

constexpr SettingsPlatform kSystemSettingsPlatform = {
    win32ReadFile,     win32WriteFileDurably, win32RemoveFile,    win32ReplaceFile,     win32CopyFile,
    win32ShowErrorBox, win32LocalDate,        win32PrimaryScreen, win32WithinOneMonitor, win32Utf16ToCp932,
};

SettingsPlatform settingsPlatform = kSystemSettingsPlatform;
