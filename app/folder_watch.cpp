#include "app/folder_watch.h"

namespace {

constexpr DWORD kWatchedChanges =
    FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE;
constexpr int kFolderChars = MAX_PATH;

HANDLE notification = nullptr;

// A UNC path, or a drive letter mapped to a share.
bool onNetworkShare(const wchar_t* folder)
{
    if (folder[0] == L'\\' && folder[1] == L'\\') return true;
    const wchar_t root[] = {folder[0], L':', L'\\', L'\0'};
    return folder[0] != L'\0' && folder[1] == L':' && GetDriveTypeW(root) == DRIVE_REMOTE;
}

}  // namespace

bool startFolderWatch()
{
    wchar_t folder[kFolderChars];
    const DWORD length = GetCurrentDirectoryW(kFolderChars, folder);
    if (length == 0 || length >= kFolderChars || onNetworkShare(folder)) return false;
    HANDLE handle = FindFirstChangeNotificationW(folder, FALSE, kWatchedChanges);
    if (handle == INVALID_HANDLE_VALUE) return false;
    notification = handle;
    return true;
}

HANDLE folderWatchHandle() { return notification; }

void rearmFolderWatch()
{
    if (notification && !FindNextChangeNotification(notification)) stopFolderWatch();
}

void stopFolderWatch()
{
    if (notification) FindCloseChangeNotification(notification);
    notification = nullptr;
}
