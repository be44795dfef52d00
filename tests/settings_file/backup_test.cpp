// The one backup rule: notavex.ini is replaced without a copy only when it
// holds the bytes the program last wrote or took in whole. Backups are
// numbered, never overwritten and never left half-made; a file the reader
// could not make sense of is reported.
#include "settings_file/backups.h"
#include "settings_file/settings_file.h"
#include "tests/settings_file/store_fixture.h"

#include <ostream>

namespace {

constexpr char kPath[] = "notavex.ini";
constexpr char kTemporary[] = "notavex.ini.tmp";
constexpr char kFirstBackup[] = "notavex.ini.bak";
constexpr std::string_view kReadError =
    "notavex.iniファイルの一部を読み取れませんでした。元のファイルはバックアップとして残します。";
const std::string kWholeFile =
    "winX=40\r\nwinY=30\r\ntopmost=0\r\nautoend=0\r\nendsec=10\r\nMessageNum=1\r\n00Num=1\r\n0000=歯医者\r\n0001="
    "314\r\n";

OwnerWindow const kOwner = reinterpret_cast<OwnerWindow>(0x1234);

std::string backupName(int number)
{
    return number == 0 ? kFirstBackup : "notavex.ini." + std::to_string(number) + ".bak";
}

bool exists(const std::string& path) { return fake.files.count(path) == 1; }
std::string bytesOf(const std::string& path) { return exists(path) ? fake.files[path].bytes : "(missing)"; }

std::string replaced(std::string text, std::string_view from, std::string_view to)
{
    return text.replace(text.find(from), from.size(), to);
}

std::string withLfLineEnds(std::string text)
{
    for (size_t at; (at = text.find("\r\n")) != std::string::npos;) text.erase(at, 1);
    return text;
}

struct RuleCase {
    const char* name;
    std::string file;   // notavex.ini at start
    void (*between)();  // what happens between the load and the save
    bool backup;
};

void PrintTo(const RuleCase& c, std::ostream* out) { *out << c.name; }

void nothing() { }

const RuleCase kRuleCases[] = {
    {"read_whole_and_unchanged", kWholeFile, nothing, false},
    {"lf_line_ends_are_read_whole", withLfLineEnds(kWholeFile), nothing, false},
    {"saved_by_the_program_before", kWholeFile, [] { saveSettings(board, kOwner); }, false},
    {"message_beyond_MessageNum", kWholeFile + "01Num=0\r\n0100=予備\r\n", nothing, true},
    {"date_beyond_dateNum", kWholeFile + "0002=19\r\n", nothing, true},
    {"repeated_key", kWholeFile + "winX=50\r\n", nothing, true},
    {"a_note_of_the_user", kWholeFile + "メモ：予定は変わるかも\r\n", nothing, true},
    {"text_cut_at_127_bytes", replaced(kWholeFile, "歯医者", std::string(130, 'x')), nothing, true},
    {"number_with_words_after_it", replaced(kWholeFile, "endsec=10", "endsec=10 seconds"), nothing, true},
    {"zero_byte_hides_the_rest", kWholeFile + std::string(1, '\0') + "01Num=0\r\n", nothing, true},
    {"changed_outside_after_the_load", kWholeFile, [] { fake.files[kPath].bytes = replaced(kWholeFile, "40", "41"); },
        true},
    {"unreadable_then_moved_away", kWholeFile + std::string(kSettingsFileMaxBytes, '\n'),
        [] { fake.files.erase(kPath); }, false},
};

class BackupRule : public StoreTest, public ::testing::WithParamInterface<RuleCase> { };

TEST_P(BackupRule, KeepsAnyVersionTheProgramDidNotWriteOrTakeInWhole)
{
    fake.files[kPath].bytes = GetParam().file;
    loadSettings(board, kOwner);
    GetParam().between();
    const std::string before = bytesOf(kPath);
    fake.boxes.clear();
    addMessage("新しい予定", {2});
    EXPECT_EQ(saveSettings(board, kOwner), 0);
    EXPECT_TRUE(fake.boxes.empty());
    EXPECT_EQ(bytesOf(kPath), composedSettingsText());
    if (GetParam().backup)
        EXPECT_EQ(bytesOf(kFirstBackup), before);
    else
        EXPECT_FALSE(exists(kFirstBackup));
    EXPECT_FALSE(exists(kTemporary));
}

INSTANTIATE_TEST_SUITE_P(
    Files, BackupRule, ::testing::ValuesIn(kRuleCases), [](const auto& info) { return std::string(info.param.name); });

using Backups = StoreTest;

TEST_F(Backups, AreNumberedNeverOverwrittenAndTwentyKeptBesideTheFirst)
{
    // Read-only, as a careful user might leave it: still never written over.
    fake.files[kFirstBackup] = FakeFile{"the first", true};
    fake.files[kPath].bytes = "not a settings file\r\n";
    loadSettings(board, kOwner);
    fake.boxes.clear();  // its READ ERROR
    for (int run = 1; run <= 21; ++run) {
        const std::string outside = "version " + std::to_string(run) + "\r\n";
        fake.files[kPath].bytes = outside;
        ASSERT_EQ(saveSettings(board, kOwner), 0);
        EXPECT_EQ(bytesOf(backupName(run)), outside);
        if (run == 1) fake.files[backupName(1)].readOnly = true;  // cannot be deleted
    }
    // The first is never pruned; of the 21 others the oldest that could be
    // deleted went, and the one that could not is skipped, not a stop.
    EXPECT_EQ(bytesOf(kFirstBackup), "the first");
    EXPECT_TRUE(exists(backupName(1)));
    EXPECT_FALSE(exists(backupName(2)));
    for (int number = 3; number <= 21; ++number) EXPECT_TRUE(exists(backupName(number))) << number;
    for (int run = 22; run <= 25; ++run) {
        fake.files[kPath].bytes = "version " + std::to_string(run) + "\r\n";
        ASSERT_EQ(saveSettings(board, kOwner), 0);
    }
    int others = 0;
    for (const auto& file : fake.files) others += backupNumber(file.first.c_str()) > 0;
    EXPECT_EQ(others, 20);
    EXPECT_TRUE(exists(backupName(1)));

    // The newest backup already holds this version: no new one.
    fake.files[kPath].bytes = "version 25\r\n";
    EXPECT_EQ(saveSettings(board, kOwner), 0);
    EXPECT_FALSE(exists(backupName(26)));
    EXPECT_TRUE(fake.boxes.empty());
}

TEST_F(Backups, AnOutsideSaveJustBeforeTheReplaceIsCaught)
{
    fake.files[kPath].bytes = kWholeFile;
    loadSettings(board, kOwner);
    fake.beforeReplace = [] { writeOutside(kPath, "saved by a sync client\r\n"); };
    addMessage("新しい予定", {2});
    EXPECT_EQ(saveSettings(board, kOwner), 0);
    EXPECT_EQ(bytesOf(kPath), composedSettingsText());
    EXPECT_EQ(bytesOf(kFirstBackup), "saved by a sync client\r\n");
    EXPECT_EQ(fake.files.size(), 2u);
}

TEST_F(Backups, CaughtVersionThatCannotBeKeptWaitsUnderItsCatchNameForTheNextSave)
{
    fake.files[kFirstBackup].bytes = "an earlier backup";
    const std::string outside = "version of an editor\r\n" + std::string(1000, 'x');
    fake.files[kPath].bytes = outside;
    fake.failRename = true;
    EXPECT_EQ(saveSettings(board, kOwner), 0);
    EXPECT_EQ(bytesOf(kPath), composedSettingsText());
    EXPECT_EQ(bytesOf("notavex.ini.replaced"), outside);
    EXPECT_EQ(bytesOf(kFirstBackup), "an earlier backup");
    EXPECT_FALSE(exists(kTemporary));

    fake.failRename = false;
    EXPECT_EQ(saveSettings(board, kOwner), 0);
    EXPECT_EQ(bytesOf(backupName(1)), outside);
    EXPECT_EQ(fake.files.size(), 3u);
}

struct ReadErrorCase {
    const char* name;
    std::string file;
    bool box;
    int32_t winX;  // 300 before the load, which takes a whole fresh schedule
};

void PrintTo(const ReadErrorCase& c, std::ostream* out) { *out << c.name; }

const ReadErrorCase kReadErrorCases[] = {
    {"zero_byte_inside", "winX=40\r\n" + std::string(1, '\0') + "winY=30\r\n", true, 40},
    {"no_key_at_all", "予定：歯医者 3月14日\r\n", true, 0},
    {"keys_only_inside_lines", " winX=40\r\n", true, 0},
    {"a_character_cp932_lacks", u8"winX=40\r\nMessageNum=1\r\n0000=歯医者 \U0001F9B7\r\n", true, 40},
    {"empty_file", "", false, 0},
    {"unused_lines_only_need_a_backup", "winX=40\r\nメモ\r\n", false, 40},
};

class ReadError : public StoreTest, public ::testing::WithParamInterface<ReadErrorCase> { };

TEST_P(ReadError, IsShownOnceAndWhatCanBeReadIsRead)
{
    boardSettings.winX = 300;
    fake.files[kPath].bytes = GetParam().file;
    EXPECT_EQ(loadSettings(board, kOwner), 0);
    EXPECT_EQ(boardSettings.winX, GetParam().winX);
    if (GetParam().box) {
        ASSERT_EQ(fake.boxes.size(), 1u);
        EXPECT_EQ(fake.boxes[0].caption, "READ ERROR");
        EXPECT_EQ(fake.boxes[0].text, kReadError);
        EXPECT_EQ(fake.boxes[0].owner, kOwner);
    } else {
        EXPECT_TRUE(fake.boxes.empty());
    }
    EXPECT_EQ(bytesOf(kPath), GetParam().file);
}

INSTANTIATE_TEST_SUITE_P(Files, ReadError, ::testing::ValuesIn(kReadErrorCases),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
