// The writer's text: exact bytes for the known files, and the size bound
// that the reader's limit rests on.
#include "tests/settings_file/store_fixture.h"

#include <climits>
#include <cstring>

namespace {

using ComposeTest = StoreTest;

constexpr std::string_view kDefaultFile = "winX=0\r\nwinY=0\r\ntopmost=0\r\nautoend=0\r\nendsec=10\r\nMessageNum=0\r\n";

constexpr std::string_view kWorkedExampleFile =
    "winX=1000\r\nwinY=600\r\ntopmost=0\r\nautoend=1\r\nendsec=30\r\nMessageNum=2\r\n"
    "00Num=2\r\n0000=Recycling day\r\n0001=2\r\n0002=19\r\n"
    "01Num=1\r\n0100=Dentist 10:30\r\n0101=314\r\n";

void fillWorkedExample()
{
    boardSettings = {1000, 600, 0, 1, 30};
    addMessage("Recycling day", {2, 19});
    addMessage("Dentist 10:30", {314});
}

// 100 messages of 127 bytes with 100 dates each, every value at its longest.
void fillLargestStore()
{
    boardSettings = {INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN};
    messageTable.MessageNum = kMaxMessages;
    for (MessageEntry& entry : messageTable.entries) {
        std::memset(entry.text, 'x', kMessageTextSize - 1);
        entry.text[kMessageTextSize - 1] = '\0';
        entry.dateNum = kMaxDatesPerMessage;
        for (DateCode& code : entry.dates) code = INT32_MIN;
    }
}

TEST_F(ComposeTest, DefaultStoreGivesTheSixLinesOf63Bytes)
{
    EXPECT_EQ(composedSettingsText(), kDefaultFile);
    EXPECT_EQ(kDefaultFile.size(), 63u);
}

TEST_F(ComposeTest, WorkedExampleGivesItsThirteenLinesOf153Bytes)
{
    fillWorkedExample();
    EXPECT_EQ(composedSettingsText(), kWorkedExampleFile);
    EXPECT_EQ(kWorkedExampleFile.size(), 153u);
}

TEST_F(ComposeTest, JapaneseTextIsWrittenAsItsCp932Bytes)
{
    addMessage("資源ごみ", {});
    EXPECT_NE(composedSettingsText().find("0000=\x8E\x91\x8C\xB9\x82\xB2\x82\xDD\r\n"), std::string::npos);
}

TEST_F(ComposeTest, MessageLinesFollowTheCountsAndNumbering)
{
    addMessage("", {});
    MessageEntry& seventh = messageTable.entries[7];
    messageTable.MessageNum = 8;
    seventh.dateNum = kMaxDatesPerMessage;
    for (int k = 0; k < kMaxDatesPerMessage; ++k) seventh.dates[k] = k;
    const std::string text = composedSettingsText();

    // A message without dates: its count line and its (empty) text line.
    EXPECT_NE(text.find("MessageNum=8\r\n00Num=0\r\n0000=\r\n01Num=0\r\n"), std::string::npos);
    // The hundredth date takes three digits, and ends the message.
    EXPECT_NE(text.find("\r\n0799=98\r\n07100=99\r\n"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 10), "07100=99\r\n");
}

TEST_F(ComposeTest, LargestStoreFitsUnderTheReadersLimit)
{
    fillLargestStore();
    const std::string text = composedSettingsText();
    EXPECT_EQ(static_cast<int>(text.size()), kLargestComposedText);
    EXPECT_LE(kLargestComposedText, kSettingsFileMaxBytes);
}

TEST_F(ComposeTest, CountsBeyondTheArraysNeverReadPastThem)
{
    messageTable.MessageNum = 1000;
    for (MessageEntry& entry : messageTable.entries) entry.dateNum = 5000;
    const std::string text = composedSettingsText();
    EXPECT_NE(text.find("MessageNum=1000\r\n00Num=5000\r\n"), std::string::npos);
    EXPECT_EQ(text.find("100Num="), std::string::npos);
    EXPECT_EQ(text.find("00101="), std::string::npos);
}

TEST_F(ComposeTest, TooSmallBufferIsRefusedWithoutWritingPastIt)
{
    fillWorkedExample();
    char buffer[160];
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(composeSettingsText(board.schedule, buffer, 100), -1);
    for (size_t at = 100; at < sizeof buffer; ++at) ASSERT_EQ(buffer[at], '#') << at;
    EXPECT_EQ(composeSettingsText(board.schedule, buffer, 153), 153);
}

}  // namespace
