// The message text check, the options, OK and Cancel, and what the front
// end sees: dispatch, capture and change bits.
#include "dialog_driver.h"
#include "settings_dialog/modal.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace {

void open(StoreKind kind)
{
    loadStore(kind);
    run(init());
}

std::string repeat(const char* text, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i) out += text;
    return out;
}

constexpr char kTooLong[] = "全角15文字/半角30文字を超えています。";
constexpr char kTableFull[] = "メッセージ数が限界(100件)を超えています。";

TEST(MessageText, LengthIsCountedInCp932Bytes)
{
    ASSERT_EQ(std::strlen("あ"), 2u) << "tests must be compiled to CP932";
    struct Case {
        std::string text;
        StoreKind store;
        const char* notice;
        const char* addChange;
        char32_t refused;  // a character CP932 lacks, captured as "?"
    };
    const Case cases[] = {
        {repeat("あ", 15), StoreKind::Sample, "", "11", 0},
        {repeat("あ", 15) + "a", StoreKind::Sample, kTooLong, "00", 0},
        {repeat("ｱ", 30), StoreKind::Sample, "", "11", 0},  // half-width kana: one byte each
        {repeat("ｱ", 31), StoreKind::Sample, kTooLong, "00", 0}, {"", StoreKind::Sample, "", "00", 0},
        {"x", StoreKind::FullTable, kTableFull, "00", 0}, {repeat("ｱ", 31), StoreKind::FullTable, kTooLong, "00", 0},
        {"誕生日?", StoreKind::Sample, "U+1F382 は使えません", "00", U'\U0001F382'},
        {repeat("あ", 15) + "?", StoreKind::Sample, "U+20BB7 は使えません", "00", U'\U00020BB7'},
        {"予定?", StoreKind::Sample, "", "11", 0},  // a "?" of its own is a character like any other
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        open(c.store);
        runAll({selectMessage(1), type(c.text, c.refused)});
        EXPECT_STREQ(controlText(IDC_NOTICE), c.notice);
        EXPECT_EQ(buttonMask().substr(0, 2), c.addChange);
        if (c.refused == 0) continue;
        // Not even a stray press stores the "?".
        runAll({press(IDC_ADD_MESSAGE), press(IDC_CHANGE_MESSAGE)});
        EXPECT_EQ(messageTable.MessageNum, 3);
        EXPECT_STREQ(messageTable.entries[1].text, "ゴミ出し");
    }
}

TEST(Options, OpeningShowsTheStoredOptions)
{
    struct Case {
        int32_t topmost, autoend, endsec;
        bool topBox, autoBox, readOnly;
        int limit;
        const char* seconds;
    };
    const Case cases[] = {
        {0, 0, 10, true, false, true, 0, "10"},
        {1, 1, 100, false, true, false, 2, "100"},  // the limit governs typing only
        {5, 2, -3, false, false, true, 0, "-3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.endsec);
        loadStore(StoreKind::Empty);
        testBoard.schedule.settings.topmost = c.topmost;
        testBoard.schedule.settings.autoend = c.autoend;
        testBoard.schedule.settings.endsec = c.endsec;
        run(init());
        EXPECT_EQ(controlChecked(IDC_TOPMOST), c.topBox);
        EXPECT_EQ(controlChecked(IDC_AUTOEND), c.autoBox);
        EXPECT_EQ(controlReadOnly(IDC_ENDSEC), c.readOnly);
        EXPECT_EQ(controlCharLimit(IDC_ENDSEC), c.limit);
        EXPECT_STREQ(controlText(IDC_ENDSEC), c.seconds);
    }
}

TEST(Options, AutoExitBoxUnlocksTheSecondsAtItsOwnClick)
{
    open(StoreKind::Empty);
    run(click(IDC_AUTOEND));
    EXPECT_FALSE(controlReadOnly(IDC_ENDSEC));
    EXPECT_EQ(controlCharLimit(IDC_ENDSEC), 0);
    run(click(IDC_AUTOEND));
    EXPECT_TRUE(controlReadOnly(IDC_ENDSEC));
}

// OK and Cancel go through the real settings file, in a directory of their own.
class DialogWithFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(getcwd(home_, sizeof home_), nullptr);
        ASSERT_NE(mkdtemp(dir_), nullptr);
        ASSERT_EQ(chdir(dir_), 0);
        modalOpen = 1;
    }
    void TearDown() override
    {
        unlink("notavex.ini");
        EXPECT_EQ(chdir(home_), 0);
        rmdir(dir_);
    }
    char home_[4096] = {};
    char dir_[32] = "/tmp/dialog-test-XXXXXX";
};

TEST_F(DialogWithFile, OkStoresTheOptionsAndSaves)
{
    struct Case {
        const char* seconds;
        int32_t endsec;
    };
    const Case cases[] = {{"7", 7}, {"", 0}, {"abc", 0}, {"-5", -5}, {" 12x", 12}, {"99999999999", 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.seconds);
        open(StoreKind::Sample);
        modalOpen = 1;
        runAll({click(IDC_TOPMOST), click(IDC_AUTOEND)});
        captureText(IDC_ENDSEC, c.seconds);
        EXPECT_EQ(run(press(kOkId)), DialogOutcome::End);
        EXPECT_EQ(modalOpen, 0);
        EXPECT_EQ(testBoard.schedule.settings.topmost, 1);
        EXPECT_EQ(testBoard.schedule.settings.autoend, 1);
        EXPECT_EQ(testBoard.schedule.settings.endsec, c.endsec);
        EXPECT_EQ(access("notavex.ini", F_OK), 0);
    }
}

TEST_F(DialogWithFile, CancelReloadsWhatOkSaved)
{
    open(StoreKind::Sample);
    run(press(kOkId));
    run(init());
    modalOpen = 1;
    runAll({selectMessage(0), press(IDC_DELETE_MESSAGE), type("追加"), press(IDC_ADD_MESSAGE), click(IDC_AUTOEND)});
    EXPECT_EQ(run(press(kCancelId)), DialogOutcome::End);
    EXPECT_EQ(modalOpen, 0);
    ASSERT_EQ(testBoard.schedule.table.MessageNum, 3);
    EXPECT_STREQ(testBoard.schedule.table.entries[0].text, "朝会");
    EXPECT_EQ(storedDates(0, testBoard.schedule.table), std::vector<DateCode>({16, 314, 1225}));
    EXPECT_STREQ(testBoard.schedule.table.entries[2].text, "散歩");
    EXPECT_EQ(testBoard.schedule.settings.autoend, 0);
}

TEST_F(DialogWithFile, CancelPutsBackTheOpeningStateAndLeavesTheFileAlone)
{
    open(StoreKind::Sample);
    run(press(kOkId));
    run(init());
    modalOpen = 1;
    // The file goes away while the dialog is open.
    ASSERT_EQ(unlink("notavex.ini"), 0);
    runAll({selectMessage(0), press(IDC_DELETE_MESSAGE), type("追加"), press(IDC_ADD_MESSAGE), click(IDC_AUTOEND)});
    EXPECT_EQ(run(press(kCancelId)), DialogOutcome::End);
    EXPECT_NE(access("notavex.ini", F_OK), 0);
    ASSERT_EQ(testBoard.schedule.table.MessageNum, 3);
    EXPECT_STREQ(testBoard.schedule.table.entries[0].text, "朝会");
    EXPECT_EQ(storedDates(0, testBoard.schedule.table), std::vector<DateCode>({16, 314, 1225}));
    EXPECT_EQ(testBoard.schedule.settings.autoend, 0);
}

TEST_F(DialogWithFile, NotificationsReachTheirHandlersOnly)
{
    open(StoreKind::Sample);
    // A selection change of a check box, text changes of the notice and the
    // seconds field: nothing runs.
    captureCheck(IDC_CALENDAR_MODE, true);
    EXPECT_FALSE(controlChecked(IDC_WEEK_RULE_MODE));
    settingsDialogCommand(IDC_TOPMOST, kSelectionChangeCode, nullptr);
    EXPECT_TRUE(controlEnabled(IDC_ORDINAL_BOX));
    captureText(IDC_MESSAGE_TEXT, "abc");
    settingsDialogCommand(IDC_ENDSEC, kTextChangeCode, nullptr);
    settingsDialogCommand(IDC_NOTICE, kTextChangeCode, nullptr);
    EXPECT_FALSE(controlEnabled(IDC_ADD_MESSAGE));
    // Focus leaving the message field refreshes the options.
    settingsDialogCommand(IDC_MESSAGE_TEXT, 0x0200, nullptr);
    EXPECT_FALSE(controlEnabled(IDC_ORDINAL_BOX));
    // The buttons go by id alone.
    EXPECT_EQ(settingsDialogCommand(kCancelId, kSelectionChangeCode, nullptr), DialogOutcome::End);
    EXPECT_EQ(modalOpen, 0);
}

TEST(Mirror, ChangeBitsNameWhatTheProgramChanged)
{
    open(StoreKind::Sample);
    for (int id : kSettingsControlIds) EXPECT_EQ(takeControlChanges(id), kChangedAll) << id;
    EXPECT_EQ(takeControlChanges(IDC_MESSAGE_LIST), 0u);
    EXPECT_EQ(listItems(IDC_ORDINAL_BOX), "全|第1|第2|第3|第4|第5");
    EXPECT_EQ(listItems(IDC_WEEKDAY_BOX), "日曜日|月曜日|火曜日|水曜日|木曜日|金曜日|土曜日");
    EXPECT_EQ(listItems(IDC_MONTH_BOX), "1|2|3|4|5|6|7|8|9|10|11|12");
    EXPECT_EQ(controlItemCount(IDC_DAY_BOX), 31);

    // What the user did is already on screen: only the handler's work shows.
    run(selectMessage(0));
    EXPECT_EQ(takeControlChanges(IDC_MESSAGE_LIST), 0u);
    EXPECT_TRUE(takeControlChanges(IDC_DATE_LIST) & kChangedItems);
    EXPECT_TRUE(takeControlChanges(IDC_MESSAGE_TEXT) & kChangedText);
    EXPECT_TRUE(takeControlChanges(IDC_ADD_DATE) & kChangedEnabled);
    EXPECT_EQ(takeControlChanges(IDC_MONTH_BOX), 0u);

    EXPECT_EQ(settingsControlKind(IDC_MESSAGE_LIST), ControlKind::ListBox);
    EXPECT_EQ(settingsControlKind(IDC_DAY_BOX), ControlKind::DropDown);
    EXPECT_EQ(settingsControlKind(IDC_DELETE_DATE), ControlKind::PushButton);
    EXPECT_EQ(settingsControlKind(IDC_AUTOEND), ControlKind::CheckButton);
    EXPECT_EQ(settingsControlKind(IDC_NOTICE), ControlKind::EditField);
    EXPECT_EQ(settingsControlKind(kOkId), ControlKind::None);
}

}  // namespace
