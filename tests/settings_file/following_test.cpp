// The board following the day and the file while it runs, over the fake
// seam: a new day or not; a change read once it holds still; a version that
// cannot be read, shown once; the program's own saves no outside change.
#include "schedule/calendar.h"
#include "settings_file/settings_file.h"
#include "tests/settings_file/store_fixture.h"

#include <cstring>
#include <ostream>

namespace {

constexpr char kPath[] = "notavex.ini";
OwnerWindow const kOwner = reinterpret_cast<OwnerWindow>(0x1234);
const std::string kStart = "winX=40\r\nwinY=30\r\nMessageNum=1\r\n00Num=1\r\n0000=朝会\r\n0001=16\r\n";
const std::string kEdited =
    "winX=500\r\nwinY=500\r\nendsec=7\r\nMessageNum=1\r\n00Num=1\r\n0000=歯医者\r\n0001=314\r\n";

class Following : public StoreTest {
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        fake.files[kPath].bytes = kStart;
        loadSettings(board, kOwner);
    }
    std::vector<std::string> captions() const
    {
        std::vector<std::string> seen;
        for (const ShownBox& box : fake.boxes) seen.push_back(box.caption);
        return seen;
    }
};

TEST_F(Following, CalendarIsComputedAgainForANewDayOnly)
{
    EXPECT_FALSE(followLocalDate(board, fake.date));
    fake.date = {2008, 3, 15, 6};
    EXPECT_TRUE(followLocalDate(board, fake.date));
    EXPECT_EQ(board.calendar.today.day, 15);
    EXPECT_EQ(board.calendar.tomorrow.weekday, 0);
    EXPECT_FALSE(followLocalDate(board, fake.date));
    // A year on, February is the new year's.
    fake.date = {2009, 2, 28, 6};
    EXPECT_TRUE(followLocalDate(board, fake.date));
    EXPECT_EQ(board.calendar.tomorrow.month, 3);
    // A clock set back is a new day too.
    fake.date = {2008, 3, 14, 5};
    EXPECT_TRUE(followLocalDate(board, fake.date));
    EXPECT_EQ(board.calendar.today.day, 14);
}

TEST_F(Following, ChangeIsReadOnceItHoldsStillAndTheBoardKeepsItsPlace)
{
    EXPECT_EQ(lookAtSettingsFile(board, kOwner), FileLook::unchanged);
    writeOutside(kPath, kEdited.substr(0, 20));  // an editor half-way through
    EXPECT_EQ(lookAtSettingsFile(board, kOwner), FileLook::settling);
    writeOutside(kPath, kEdited);
    EXPECT_EQ(lookAtSettingsFile(board, kOwner), FileLook::settling);
    EXPECT_STREQ(messageTable.entries[0].text, "朝会");
    EXPECT_EQ(lookAtSettingsFile(board, kOwner), FileLook::reloaded);
    EXPECT_STREQ(messageTable.entries[0].text, "歯医者");
    EXPECT_EQ(boardSettings.endsec, 7);
    EXPECT_EQ(boardSettings.winX, 40);
    EXPECT_EQ(lookAtSettingsFile(board, kOwner), FileLook::unchanged);

    // The program's own saves are no outside change, and need no backup.
    EXPECT_EQ(saveSettings(board, kOwner), 0);
    EXPECT_EQ(saveSettings(board, kOwner), 0);
    EXPECT_EQ(lookAtSettingsFile(board, kOwner), FileLook::unchanged);
    EXPECT_EQ(fake.files.count("notavex.ini.bak"), 0u);

    // A file that went away is left alone.
    fake.files.erase(kPath);
    EXPECT_EQ(lookAtSettingsFile(board, kOwner), FileLook::unchanged);
    EXPECT_STREQ(messageTable.entries[0].text, "歯医者");

    // Before the save at close, a change is read at once.
    writeOutside(kPath, kStart);
    EXPECT_EQ(catchUpWithSettingsFile(board, kOwner), FileLook::reloaded);
    EXPECT_STREQ(messageTable.entries[0].text, "朝会");
    EXPECT_TRUE(fake.boxes.empty());
}

struct TroubleCase {
    const char* name;
    void (*make)();
    const char* caption;
};

void PrintTo(const TroubleCase& c, std::ostream* out) { *out << c.name; }

const TroubleCase kTroubleCases[] = {
    {"too_large", [] { writeOutside(kPath, std::string(kSettingsFileMaxBytes + 1, '\n')); }, "SIZE ERROR"},
    {"locked",
        [] {
            writeOutside(kPath, kEdited);
            fake.files[kPath].locked = true;
        },
        "OPEN ERROR"},
    {"zero_byte", [] { writeOutside(kPath, kEdited + std::string(1, '\0')); }, "READ ERROR"},
    {"no_key", [] { writeOutside(kPath, "予定なし\r\n"); }, "READ ERROR"},
    {"zero_bytes", [] { writeOutside(kPath, ""); }, "READ ERROR"},
};

class UnreadableChange : public Following, public ::testing::WithParamInterface<TroubleCase> { };

TEST_P(UnreadableChange, IsTriedAtEachLookAndShownOnceAfterTwoFailures)
{
    GetParam().make();
    EXPECT_EQ(lookAtSettingsFile(board, kOwner), FileLook::settling);
    EXPECT_EQ(lookAtSettingsFile(board, kOwner), FileLook::unreadable);
    EXPECT_TRUE(fake.boxes.empty());
    EXPECT_EQ(lookAtSettingsFile(board, kOwner), FileLook::unreadable);
    EXPECT_EQ(captions(), std::vector<std::string>({GetParam().caption}));
    EXPECT_EQ(lookAtSettingsFile(board, kOwner), FileLook::unreadable);
    EXPECT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(boardSettings.winX, 40);
    EXPECT_STREQ(messageTable.entries[0].text, "朝会");

    // Mended, it is read.
    fake.files[kPath].locked = false;
    writeOutside(kPath, kEdited);
    EXPECT_EQ(lookAtSettingsFile(board, kOwner), FileLook::settling);
    EXPECT_EQ(lookAtSettingsFile(board, kOwner), FileLook::reloaded);
}

TEST_P(UnreadableChange, FirstSeenAtTheCloseIsShownAndKeptInABackup)
{
    GetParam().make();
    const std::string outside = fake.files[kPath].bytes;
    EXPECT_EQ(catchUpWithSettingsFile(board, kOwner), FileLook::unreadable);
    EXPECT_EQ(captions(), std::vector<std::string>({GetParam().caption}));
    const bool locked = fake.files[kPath].locked;
    EXPECT_EQ(saveAtClose(board, kOwner), locked ? -1 : 0);
    EXPECT_EQ(fake.files[kPath].bytes, locked ? outside : composedSettingsText());
    EXPECT_EQ(fake.files["notavex.ini.bak"].bytes, locked ? "" : outside);
    EXPECT_STREQ(messageTable.entries[0].text, "朝会");
}

TEST_F(Following, UnsavedEditsSurviveAReloadAndEndInABackupWhenTheCloseCannotSave)
{
    Schedule edited = board.schedule;
    std::strcpy(edited.table.entries[0].text, "打ち合わせ");
    fake.writeFault = WriteFault::create;
    EXPECT_EQ(takeEdits(board, edited, kOwner), -1);
    writeOutside(kPath, kEdited);
    EXPECT_EQ(lookAtSettingsFile(board, kOwner), FileLook::settling);
    lookAtSettingsFile(board, kOwner);
    lookAtSettingsFile(board, kOwner);
    EXPECT_STREQ(messageTable.entries[0].text, "打ち合わせ");
    EXPECT_EQ(captions(), std::vector<std::string>({"OPEN ERROR", "CHANGE ERROR"}));

    // The close cannot save either: the edits go to a backup of their own.
    fake.files[kPath].locked = true;
    fake.writeFault = WriteFault::none;
    EXPECT_EQ(catchUpWithSettingsFile(board, kOwner), FileLook::unchanged);
    EXPECT_EQ(saveAtClose(board, kOwner), -1);
    EXPECT_EQ(fake.files[kPath].bytes, kEdited);
    EXPECT_EQ(fake.files["notavex.ini.bak"].bytes, composedSettingsText());
}

INSTANTIATE_TEST_SUITE_P(Files, UnreadableChange, ::testing::ValuesIn(kTroubleCases),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
