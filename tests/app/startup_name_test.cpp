#include "app/startup_name.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

static bool takenIn(const wchar_t* name, void* context)
{
    return static_cast<std::set<std::wstring>*>(context)->count(name);
}

TEST(StartupName, NamedAfterTheFolderUniqueAndCutToFit)
{
    std::set<std::wstring> taken = {L"Notavex - x.lnk", L"Notavex - x (2).lnk"};
    const std::wstring yoshi = L"\xD842\xDFB7";  // one character in two units
    const struct {
        std::wstring folder, name;
        int room;
    } rows[] = {
        {L"C:\\tools\\x\\", L"Notavex - x (3).lnk", kStartupPathChars},
        {L"C:\\", L"Notavex - C.lnk", kStartupPathChars},  // no ':' in a file name
        {L"C:\\a" + yoshi, L"Notavex - a.lnk", 22},        // room for two units: not half of yoshi
    };
    for (const auto& row : rows) {
        wchar_t out[kStartupPathChars];
        EXPECT_TRUE(chooseStartupName(row.folder.c_str(), row.room, takenIn, &taken, out));
        EXPECT_EQ(std::wstring(out), row.name) << row.room;
    }
    // A working folder as the shell's own dialog may store it.
    const PathSpan bare = barePath(L"\"C:\\a b\\\"");
    EXPECT_EQ(std::wstring(bare.text, bare.length), L"C:\\a b");
}
