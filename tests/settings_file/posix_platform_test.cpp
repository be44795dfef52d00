// The native seam on real files in a scratch directory.
#include "settings_file/platform.h"
#include "settings_file/settings_file.h"
#include "tests/settings_file/store_fixture.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class PosixPlatform : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/notavex-settings-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        directory_ = pattern;
        ASSERT_NE(getcwd(previous_, sizeof previous_), nullptr);
        ASSERT_EQ(chdir(pattern), 0);
        settingsPlatform = kSystemSettingsPlatform;
        resetBoardState(board);
    }
    void TearDown() override
    {
        ASSERT_EQ(chdir(previous_), 0);
        const std::string command = "rm -rf '" + directory_ + "'";
        ASSERT_EQ(std::system(command.c_str()), 0);
    }

    static void write(const char* path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }
    static std::string read(const char* path)
    {
        std::ifstream in(path, std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }
    static bool exists(const char* path) { return access(path, F_OK) == 0; }

    FileReadResult readInto(const char* path, int maxBytes, std::string& bytes)
    {
        static char buffer[1024];
        int length = -1;
        const FileReadResult result = settingsPlatform.readFile(path, buffer, maxBytes, &length);
        if (result == FileReadResult::ok) bytes.assign(buffer, static_cast<size_t>(length));
        return result;
    }

    std::string directory_;
    char previous_[PATH_MAX];
};

TEST_F(PosixPlatform, ReadTellsTheCasesApart)
{
    std::string bytes;
    EXPECT_EQ(readInto("missing.ini", 100, bytes), FileReadResult::notFound);
    write("ten.ini", "0123456789");
    EXPECT_EQ(readInto("ten.ini", 10, bytes), FileReadResult::ok);
    EXPECT_EQ(bytes, "0123456789");
    EXPECT_EQ(readInto("ten.ini", 9, bytes), FileReadResult::tooLarge);
    ASSERT_EQ(mkdir("folder.ini", 0755), 0);
    EXPECT_EQ(readInto("folder.ini", 100, bytes), FileReadResult::notRegularFile);
    write("empty.ini", "");
    EXPECT_EQ(readInto("empty.ini", 100, bytes), FileReadResult::ok);
    EXPECT_EQ(bytes, "");
}

TEST_F(PosixPlatform, ReplaceCatchesWhatItReplacesAndNeverAReadOnlyFile)
{
    write("target.ini", "old");
    ASSERT_EQ(chmod("target.ini", 0444), 0);
    std::string bytes;
    EXPECT_EQ(readInto("target.ini", 100, bytes), FileReadResult::ok);
    ASSERT_EQ(settingsPlatform.writeFileDurably("new.tmp", "new", 3), FileWriteResult::ok);
    // Even for root.
    EXPECT_EQ(settingsPlatform.replaceFile("new.tmp", "target.ini", "caught.ini"), ReplaceResult::failed);
    EXPECT_EQ(read("target.ini"), "old");
    ASSERT_EQ(chmod("target.ini", 0644), 0);
    EXPECT_EQ(settingsPlatform.replaceFile("new.tmp", "target.ini", "caught.ini"), ReplaceResult::replaced);
    EXPECT_EQ(read("target.ini"), "new");
    EXPECT_EQ(read("caught.ini"), "old");
    EXPECT_FALSE(exists("new.tmp"));
    EXPECT_EQ(settingsPlatform.replaceFile("caught.ini", "missing.ini", "other.ini"), ReplaceResult::noTarget);
    EXPECT_TRUE(exists("caught.ini"));
}

TEST_F(PosixPlatform, RemoveRemovesAllButReadOnlyFiles)
{
    write("b.bak", "older");
    ASSERT_EQ(chmod("b.bak", 0444), 0);
    EXPECT_EQ(settingsPlatform.removeFile("b.bak"), -1);
    ASSERT_EQ(chmod("b.bak", 0644), 0);
    EXPECT_EQ(settingsPlatform.removeFile("b.bak"), 0);
    EXPECT_FALSE(exists("b.bak"));
    EXPECT_EQ(settingsPlatform.writeFileDurably("no-such-folder/x", "x", 1), FileWriteResult::openFailed);
}

void addName(const char* name, void* names) { static_cast<std::string*>(names)->append(name).append(" "); }

TEST_F(PosixPlatform, BackupPrimitivesNeverReplaceAndCompareWholeFiles)
{
    write("a.tmp", "new");
    write("b.bak", "old");
    EXPECT_EQ(settingsPlatform.renameNoReplace("a.tmp", "b.bak"), -1);
    EXPECT_EQ(read("b.bak"), "old");
    EXPECT_EQ(settingsPlatform.renameNoReplace("a.tmp", "c.bak"), 0);
    EXPECT_FALSE(exists("a.tmp"));

    write("big1", std::string(100000, 'x'));
    write("big2", std::string(100000, 'x') + "y");
    EXPECT_EQ(settingsPlatform.sameBytes("big1", "big1"), 1);
    EXPECT_EQ(settingsPlatform.sameBytes("big1", "big2"), 0);
    EXPECT_EQ(settingsPlatform.sameBytes("big1", "missing"), -1);

    std::string names;
    settingsPlatform.listFiles("B.", addName, &names);
    EXPECT_EQ(names, "b.bak ");
}

TEST_F(PosixPlatform, LoadCreatesTheDefaultFileAndSaveKeepsAReadOnlyOne)
{
    EXPECT_EQ(loadSettings(board, nullptr), 0);
    EXPECT_EQ(read("notavex.ini"), "winX=0\r\nwinY=0\r\ntopmost=0\r\nautoend=0\r\nendsec=10\r\nMessageNum=0\r\n");

    write("notavex.ini", "winX=40\r\nwinY=30\r\n");
    ASSERT_EQ(chmod("notavex.ini", 0444), 0);
    EXPECT_EQ(loadSettings(board, nullptr), 0);
    EXPECT_EQ(boardSettings.winX, 40);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(saveSettings(board, nullptr), -1);
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("OPEN ERROR"), std::string::npos);
    EXPECT_EQ(read("notavex.ini"), "winX=40\r\nwinY=30\r\n");
    EXPECT_FALSE(exists("notavex.ini.tmp"));
}

TEST_F(PosixPlatform, LocalDateIsAPlausibleDate)
{
    const LocalDate date = settingsPlatform.localDate();
    EXPECT_GE(date.year, 2024);
    EXPECT_TRUE(date.month >= 1 && date.month <= 12);
    EXPECT_TRUE(date.day >= 1 && date.day <= 31);
    EXPECT_TRUE(date.weekday >= 0 && date.weekday <= 6);
}

}  // namespace
