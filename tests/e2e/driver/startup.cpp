#include "startup.h"

#include <windows.h>

#include <objbase.h>
#include <shlobj.h>

#include "output.h"

bool listStartupLinks()
{
    // CLSID_ShellLink: no GUID library needed.
    const CLSID shellLink = {0x00021401, 0x0000, 0x0000, {0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
    wchar_t folder[MAX_PATH], path[MAX_PATH];
    IShellLinkW* link = nullptr;
    IPersistFile* file = nullptr;
    CoInitialize(nullptr);
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_STARTUP, nullptr, SHGFP_TYPE_CURRENT, folder))
        || FAILED(CoCreateInstance(shellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&link)))
        || FAILED(link->QueryInterface(IID_PPV_ARGS(&file))))
        return false;
    out("startup ");
    outWide(folder);
    wsprintfW(path, L"%s\\*.lnk", folder);
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(path, &found);
    for (bool more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileW(search, &found)) {
        wchar_t target[MAX_PATH] = L"", workdir[MAX_PATH] = L"";
        wsprintfW(path, L"%s\\%s", folder, found.cFileName);
        if (SUCCEEDED(file->Load(path, STGM_READ))) {
            link->GetPath(target, MAX_PATH, nullptr, 0);
            link->GetWorkingDirectory(workdir, MAX_PATH);
        }
        out("\nlink ");
        const wchar_t* parts[] = {target, L"|", workdir, L"|", found.cFileName};
        for (const wchar_t* part : parts) outWide(part);
    }
    if (search != INVALID_HANDLE_VALUE) FindClose(search);
    out("\n");
    return true;
}
