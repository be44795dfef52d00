#include "app/startup_shortcut.h"

#include <windows.h>

#include <objbase.h>
#include <shlobj.h>

#include "app/startup_name.h"

namespace {

// CLSID_ShellLink, written out so that no GUID library is linked in.
constexpr CLSID kShellLinkClass = {0x00021401, 0x0000, 0x0000, {0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr wchar_t kLinkPattern[] = L"*.lnk";

// The link object needs COM on the board's thread, only while one of the
// helpers runs: nothing else of the board uses it.
class ComScope {
public:
    ComScope() : started_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) { }
    ~ComScope()
    {
        if (started_) CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    bool started_;
};

// The shell's link object and its file side; both null when it cannot be had.
class LinkObject {
public:
    LinkObject()
    {
        if (SUCCEEDED(CoCreateInstance(kShellLinkClass, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&link))))
            link->QueryInterface(IID_PPV_ARGS(&file));
    }
    ~LinkObject()
    {
        if (file) file->Release();
        if (link) link->Release();
    }
    LinkObject(const LinkObject&) = delete;
    LinkObject& operator=(const LinkObject&) = delete;

    IShellLinkW* link = nullptr;
    IPersistFile* file = nullptr;
};

struct BoardPlace {
    wchar_t program[kStartupPathChars];  // this notavex.exe
    wchar_t folder[kStartupPathChars];   // the board's folder: the current one
    wchar_t startup[kStartupPathChars];  // the user's Startup folder
};

bool readBoardPlace(BoardPlace* place)
{
    const DWORD programLength = GetModuleFileNameW(nullptr, place->program, kStartupPathChars);
    const DWORD folderLength = GetCurrentDirectoryW(kStartupPathChars, place->folder);
    return programLength > 0 && programLength < kStartupPathChars && folderLength > 0
        && folderLength < kStartupPathChars
        && SUCCEEDED(
            SHGetFolderPathW(nullptr, CSIDL_STARTUP | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, place->startup));
}

// As the file system compares names: any case, quotes and a trailing
// backslash aside (the shell's own dialog may store either).
bool samePath(const wchar_t* a, const wchar_t* b)
{
    const PathSpan x = barePath(a);
    const PathSpan y = barePath(b);
    return CompareStringOrdinal(x.text, x.length, y.text, y.length, TRUE) == CSTR_EQUAL;
}

bool startsThisBoard(const LinkObject& object, const wchar_t* path, const BoardPlace& place)
{
    wchar_t target[kStartupPathChars];
    wchar_t folder[kStartupPathChars];
    return SUCCEEDED(object.file->Load(path, STGM_READ))
        && object.link->GetPath(target, kStartupPathChars, nullptr, 0) == S_OK
        && SUCCEEDED(object.link->GetWorkingDirectory(folder, kStartupPathChars)) && samePath(target, place.program)
        && samePath(folder, place.folder);
}

// Runs act on every shortcut of the Startup folder that starts this board
// (with act null, only counts them). Returns how many of them are left, or
// -1 when the folder cannot be looked through.
int eachBoardShortcut(const BoardPlace& place, bool (*act)(const wchar_t* path))
{
    LinkObject object;
    wchar_t pattern[kStartupPathChars];
    if (!object.file || !joinPath(place.startup, kLinkPattern, pattern, kStartupPathChars)) return -1;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(pattern, &found);
    if (search == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_FILE_NOT_FOUND ? 0 : -1;
    int left = 0;
    do {
        wchar_t path[kStartupPathChars];
        if (joinPath(place.startup, found.cFileName, path, kStartupPathChars) && startsThisBoard(object, path, place)
            && !(act && act(path)))
            ++left;
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return left;
}

bool deleteShortcut(const wchar_t* path) { return DeleteFileW(path) != 0; }

// context: the Startup folder. A name whose path would not fit counts as
// taken.
bool nameTaken(const wchar_t* name, void* context)
{
    wchar_t path[kStartupPathChars];
    return !joinPath(static_cast<const wchar_t*>(context), name, path, kStartupPathChars)
        || GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

bool hasStartupShortcut()
{
    ComScope com;
    BoardPlace place;
    return readBoardPlace(&place) && eachBoardShortcut(place, nullptr) > 0;
}

bool addStartupShortcut()
{
    ComScope com;
    BoardPlace place;
    if (!readBoardPlace(&place)) return false;
    // The name and the backslash before it must fit in one path.
    const int room = kStartupPathChars - lstrlenW(place.startup) - 1;
    wchar_t name[kStartupPathChars];
    wchar_t path[kStartupPathChars];
    LinkObject object;
    return object.file && chooseStartupName(place.folder, room, nameTaken, place.startup, name)
        && joinPath(place.startup, name, path, kStartupPathChars) && SUCCEEDED(object.link->SetPath(place.program))
        && SUCCEEDED(object.link->SetWorkingDirectory(place.folder)) && SUCCEEDED(object.file->Save(path, TRUE));
}

bool removeStartupShortcuts()
{
    ComScope com;
    BoardPlace place;
    return readBoardPlace(&place) && eachBoardShortcut(place, deleteShortcut) == 0;
}
