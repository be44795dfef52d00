// loadSettings and saveSettings over the fake platform: creating the file,
// refusing files, and keeping the old file whenever anything fails.
#include "schedule/calendar.h"
#include "settings_file/settings_file.h"
#include "tests/settings_file/store_fixture.h"

#include <cstring>
#include <ostream>

namespace {

constexpr char kPath[] = "notavex.ini";
constexpr char kTemporary[] = "notavex.ini.tmp";
constexpr char kBackup[] = "notavex.ini.bak";
constexpr std::string_view kOpenError = "notavex.iniファイルをオープンできませんでした。";
constexpr std::string_view kSizeError = "notavex.iniファイルが大きすぎるため設定を取得できませんでした。";
constexpr std::string_view kDefaultFile = "winX=0\r\nwinY=0\r\ntopmost=0\r\nautoend=0\r\nendsec=10\r\nMessageNum=0\r\n";
constexpr std::string_view kUsersFile = "winX=40\r\nMessageNum=1\r\n00Num=1\r\n0000=歯医者\r\n0001=314\r\n";

OwnerWindow const kOwner = reinterpret_cast<OwnerWindow>(0x1234);

class LoadSave : public StoreTest {
protected:
    bool fileIs(const char* path, std::string_view bytes) const
    {
        const auto found = fake.files.find(path);
        return found != fake.files.end() && found->second.bytes == bytes;
    }
    bool exists(const char* path) const { return fake.files.count(path) == 1; }
    // Exactly one box, with this caption and text, owned by kOwner.
    ::testing::AssertionResult shownOnce(std::string_view caption, std::string_view text) const
    {
        if (fake.boxes.size() != 1) return ::testing::AssertionFailure() << fake.boxes.size() << " boxes";
        const ShownBox& box = fake.boxes[0];
        if (box.caption != caption || box.text != text || box.owner != kOwner)
            return ::testing::AssertionFailure() << "box " << box.caption;
        return ::testing::AssertionSuccess();
    }
};

TEST_F(LoadSave, ErrorTextsAreCp932Bytes)
{
    // ファイル, two bytes a character.
    EXPECT_EQ(kOpenError.substr(11, 8), "\x83\x74\x83\x40\x83\x43\x83\x8B");
    EXPECT_EQ(kOpenError.size(), 47u);
}

TEST_F(LoadSave, MissingFileIsCreatedFromTheStoreUnadjusted)
{
    boardSettings.winX = -20;  // a load that reads would make it 0
    EXPECT_EQ(loadSettings(board, kOwner), 0);
    EXPECT_EQ(boardSettings.winX, -20);
    resetStore();
    fake.files.clear();
    EXPECT_EQ(loadSettings(board, kOwner), 0);
    EXPECT_TRUE(fileIs(kPath, kDefaultFile));
    EXPECT_FALSE(exists(kTemporary));
    EXPECT_TRUE(fake.boxes.empty());
}

TEST_F(LoadSave, CalendarIsComputedFirstWhateverBecomesOfTheFile)
{
    fake.files[kPath].locked = true;
    fake.date = {2008, 2, 28, 4};
    loadSettings(board, kOwner);
    EXPECT_EQ(board.calendar.today.month, 2);
    EXPECT_EQ(board.calendar.today.weekRuleCode, 32);
    EXPECT_EQ(board.calendar.tomorrow.day, 29);
}

TEST_F(LoadSave, ExistingFileIsReadAndAdjustedForTheSeamsScreen)
{
    fake.files[kPath].bytes = "winX=2000\r\nwinY=100\r\n" + std::string(kUsersFile.substr(9));
    fake.screen = {1280, 1024, 96, {3, 3}};
    fake.monitors = {{0, 0, 1280, 1024}, {1280, 0, 2560, 1024}};
    EXPECT_EQ(loadSettings(board, kOwner), 0);
    EXPECT_EQ(boardSettings.winX, 2000);  // on the second monitor
    EXPECT_STREQ(messageTable.entries[0].text, "歯医者");
    EXPECT_EQ(messageTable.entries[0].dates[0], 314);
    EXPECT_TRUE(fake.boxes.empty());
}

TEST_F(LoadSave, FilesInOtherEncodingsAreReadAsTheirCp932TwinAndSavedInCp932)
{
    std::string utf16 = "\xFF\xFE";
    for (char16_t unit : std::u16string_view(u"winX=40\r\nMessageNum=1\r\n00Num=1\r\n0000=歯医者\r\n0001=314\r\n"))
        utf16 += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
    const std::string utf8WithMark = "\xEF\xBB\xBF"
        + std::string(
            u8"winX=40\r\nMessageNum=1\r\n00Num=1\r\n"
            u8"0000=歯医者\r\n0001=314\r\n");
    for (const std::string& file : {utf16, utf8WithMark}) {
        resetStore();
        fake.files.clear();
        fake.files[kPath].bytes = file;
        EXPECT_EQ(loadSettings(board, kOwner), 0);
        EXPECT_EQ(boardSettings.winX, 40);  // the mark does not stick to the first key
        EXPECT_STREQ(messageTable.entries[0].text, "歯医者");
        EXPECT_EQ(saveSettings(board, kOwner), 0);
        EXPECT_TRUE(fileIs(kPath, composedSettingsText()));
        EXPECT_TRUE(fileIs(kBackup, file));  // the original, byte for byte
        EXPECT_TRUE(fake.boxes.empty());
    }
}

TEST_F(LoadSave, ReadOnlyFileIsReadButNotReplaced)
{
    fake.files[kPath] = FakeFile{std::string(kUsersFile), true};
    EXPECT_EQ(loadSettings(board, kOwner), 0);
    EXPECT_EQ(boardSettings.winX, 40);
    boardSettings.winX = 80;
    EXPECT_EQ(saveSettings(board, kOwner), -1);
    EXPECT_TRUE(shownOnce("OPEN ERROR", kOpenError));
    EXPECT_TRUE(fileIs(kPath, kUsersFile));
    EXPECT_FALSE(exists(kTemporary));
}

TEST_F(LoadSave, FilesUpTo256KiBAreReadAndLargerOnesRefused)
{
    std::string atLimit = "winX=40\r\n";
    atLimit += std::string(kSettingsFileMaxBytes - atLimit.size() - 11, 'x') + "\r\nwinY=33\r\n";
    ASSERT_EQ(atLimit.size(), static_cast<size_t>(kSettingsFileMaxBytes));
    fake.files[kPath].bytes = atLimit;
    EXPECT_EQ(loadSettings(board, kOwner), 0);
    EXPECT_EQ(boardSettings.winY, 33);

    resetStore();
    boardSettings.winX = -20;
    fake.files[kPath].bytes = atLimit + "\n";
    EXPECT_EQ(loadSettings(board, kOwner), -1);
    EXPECT_TRUE(shownOnce("SIZE ERROR", kSizeError));
    EXPECT_EQ(boardSettings.winX, -20);  // not even adjusted
}

struct UnreadableCase {
    const char* name;
    void (*make)();
    std::string_view caption;
    void (*mend)();  // the holder lets go, or the user mends the file
};

void PrintTo(const UnreadableCase& c, std::ostream* out) { *out << c.name; }

const UnreadableCase kUnreadableCases[] = {
    {"locked", [] { fake.files[kPath].locked = true; }, "OPEN ERROR", [] { fake.files[kPath].locked = false; }},
    {"open_fails", [] { fake.failOpen = true; }, "OPEN ERROR", [] { fake.failOpen = false; }},
    {"short_read", [] { fake.shortRead = true; }, "OPEN ERROR", [] { fake.shortRead = false; }},
    {"too_large", [] { fake.files[kPath].bytes += std::string(kSettingsFileMaxBytes, '\n'); }, "SIZE ERROR",
        [] { writeOutside(kPath, std::string(kUsersFile)); }},
};

class UnreadableFile : public LoadSave, public ::testing::WithParamInterface<UnreadableCase> {
protected:
    void SetUp() override
    {
        LoadSave::SetUp();
        fake.files[kPath].bytes = kUsersFile;
        GetParam().make();
        oldBytes = fake.files[kPath].bytes;
        addMessage("edited", {5});
        before = copyStore();
    }
    std::string oldBytes;
    StoreCopy before;
};

TEST_P(UnreadableFile, IsReportedAndLeavesTheStoreAsItWas)
{
    EXPECT_EQ(loadSettings(board, kOwner), -1);
    EXPECT_TRUE(shownOnce(GetParam().caption, GetParam().caption == "OPEN ERROR" ? kOpenError : kSizeError));
    EXPECT_TRUE(storeEquals(before));
    EXPECT_TRUE(fileIs(kPath, oldBytes));
}

TEST_P(UnreadableFile, IsBackedUpBeforeTheNextSaveOrKept)
{
    loadSettings(board, kOwner);
    fake.boxes.clear();
    fake.files[kBackup].bytes = "an older backup";
    const bool copyable = !fake.files[kPath].locked;
    EXPECT_EQ(saveSettings(board, kOwner), copyable ? 0 : -1);
    if (copyable) {
        // A new backup beside the older one, which stays as it was.
        EXPECT_TRUE(fileIs("notavex.ini.1.bak", oldBytes));
        EXPECT_TRUE(fileIs(kBackup, "an older backup"));
        EXPECT_TRUE(fileIs(kPath, composedSettingsText()));
        EXPECT_TRUE(fake.boxes.empty());
        // The file now holds the store; once it reads again, saving again
        // makes no backup.
        fake.failOpen = fake.shortRead = false;
        EXPECT_EQ(saveSettings(board, kOwner), 0);
        EXPECT_FALSE(exists("notavex.ini.2.bak"));
    } else {
        EXPECT_TRUE(shownOnce("OPEN ERROR", kOpenError));
        EXPECT_TRUE(fileIs(kPath, oldBytes));
        EXPECT_TRUE(fileIs(kBackup, "an older backup"));
    }
    EXPECT_FALSE(exists(kTemporary));
}

TEST_P(UnreadableFile, IsNeverReplacedByTheCloseAndIsShownOnceItCanBeRead)
{
    loadSettings(board, kOwner);
    fake.boxes.clear();
    boardSettings.winX = 77;  // a drag
    EXPECT_EQ(catchUpWithSettingsFile(board, kOwner), FileLook::unreadable);
    EXPECT_EQ(saveAtClose(board, kOwner), 0);
    EXPECT_TRUE(fileIs(kPath, oldBytes));
    EXPECT_EQ(fake.files.size(), 1u);  // no backup, nothing temporary
    EXPECT_TRUE(fake.boxes.empty());

    // The next look after the holder lets go reads it, and the board goes
    // where the file says.
    GetParam().mend();
    EXPECT_EQ(lookAtSettingsFile(board, kOwner), FileLook::firstRead);
    EXPECT_EQ(boardSettings.winX, 40);
    EXPECT_STREQ(messageTable.entries[0].text, "歯医者");
    EXPECT_TRUE(fake.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(Files, UnreadableFile, ::testing::ValuesIn(kUnreadableCases),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LoadSave, OkAfterAFailedLoadSavesOnlyWhatTheUserChanged)
{
    fake.files[kPath].bytes = kUsersFile;
    fake.files[kPath].locked = true;
    loadSettings(board, kOwner);
    Schedule edited = board.schedule;
    EXPECT_EQ(takeEdits(board, edited, kOwner), 0);
    EXPECT_EQ(fake.files.size(), 1u);

    // Changed while the file is still held: the close keeps the edits.
    edited.settings.autoend = 1;
    EXPECT_EQ(takeEdits(board, edited, kOwner), -1);
    EXPECT_EQ(saveAtClose(board, kOwner), -1);
    EXPECT_TRUE(fileIs(kBackup, composedSettingsText()));

    fake.files[kPath].locked = false;
    fake.boxes.clear();
    EXPECT_EQ(takeEdits(board, edited, kOwner), 0);
    EXPECT_TRUE(fileIs(kPath, composedSettingsText()));
    EXPECT_TRUE(fileIs("notavex.ini.1.bak", kUsersFile));
    EXPECT_TRUE(fake.boxes.empty());
}

TEST_F(LoadSave, FileReadWholeAfterAFailedLoadNeedsNoBackup)
{
    fake.files[kPath].bytes = kUsersFile;
    fake.failOpen = true;
    loadSettings(board, kOwner);
    fake.failOpen = false;
    EXPECT_EQ(loadSettings(board, kOwner), 0);
    EXPECT_EQ(saveSettings(board, kOwner), 0);
    EXPECT_FALSE(exists(kBackup));
}

constexpr std::string_view kWriteError =
    "ディスクの空きが足りないなどの理由で、notavex.iniファイルに書き込めませんでした。";

struct SaveFault {
    const char* name;
    void (*inject)();
    std::string_view caption;  // a full disk shows as such
};

void PrintTo(const SaveFault& c, std::ostream* out) { *out << c.name; }

const SaveFault kSaveFaults[] = {
    {"create_fails", [] { fake.writeFault = WriteFault::create; }, "OPEN ERROR"},
    {"write_comes_up_short", [] { fake.writeFault = WriteFault::write; }, "WRITE ERROR"},
    {"flush_fails", [] { fake.writeFault = WriteFault::flush; }, "WRITE ERROR"},
    {"replace_fails", [] { fake.failReplace = true; }, "OPEN ERROR"},
    {"target_read_only", [] { fake.files[kPath].readOnly = true; }, "OPEN ERROR"},
    {"target_locked", [] { fake.files[kPath].locked = true; }, "OPEN ERROR"},
};

class FailedSave : public LoadSave, public ::testing::WithParamInterface<SaveFault> {
protected:
    ::testing::AssertionResult failureShown() const
    {
        return shownOnce(GetParam().caption, GetParam().caption == "OPEN ERROR" ? kOpenError : kWriteError);
    }
};

TEST_P(FailedSave, KeepsTheOldFileByteForByte)
{
    fake.files[kPath].bytes = kUsersFile;
    loadSettings(board, kOwner);  // so that replacing it needs no backup
    GetParam().inject();
    addMessage("new", {1});
    EXPECT_EQ(saveSettings(board, kOwner), -1);
    EXPECT_TRUE(failureShown());
    EXPECT_TRUE(fileIs(kPath, kUsersFile));
    EXPECT_FALSE(exists(kTemporary));
    EXPECT_FALSE(exists(kBackup));
}

INSTANTIATE_TEST_SUITE_P(Faults, FailedSave, ::testing::ValuesIn(kSaveFaults),
    [](const auto& info) { return std::string(info.param.name); });

class FailedCreate : public FailedSave { };

TEST_P(FailedCreate, LeavesNoFileWhereThereWasNone)
{
    GetParam().inject();
    EXPECT_EQ(loadSettings(board, kOwner), 0);  // not found: creating it was tried
    EXPECT_TRUE(failureShown());
    EXPECT_FALSE(exists(kPath));
    EXPECT_FALSE(exists(kTemporary));
}

// The faults of writing the new text, without a file to begin with.
INSTANTIATE_TEST_SUITE_P(Faults, FailedCreate, ::testing::ValuesIn(kSaveFaults, kSaveFaults + 4),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LoadSave, SaveReplacesTheFileWithTheWholeText)
{
    fake.files[kPath].bytes = kUsersFile;
    loadSettings(board, kOwner);
    resetStore();
    boardSettings = {1000, 600, 0, 1, 30};
    addMessage("Recycling day", {2, 19});
    addMessage("Dentist 10:30", {314});
    EXPECT_EQ(saveSettings(board, kOwner), 0);
    EXPECT_TRUE(fileIs(kPath, composedSettingsText()));
    EXPECT_EQ(fake.files[kPath].bytes.size(), 153u);
    EXPECT_FALSE(exists(kTemporary));
    EXPECT_FALSE(exists(kBackup));
    EXPECT_TRUE(fake.boxes.empty());
}

}  // namespace
