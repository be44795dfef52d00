// The reader: where keys count, how values and numbers are read, what the
// adjustments make of them, and the cut of over-long values.
#include "settings_file/reference/settings_text_scan.h"
#include "tests/settings_file/store_fixture.h"

#include <climits>
#include <cstring>
#include <ostream>

namespace {

using ReadTest = StoreTest;

struct KeyCase {
    const char* name;
    std::string_view text;
    int32_t winX;  // the store holds 300 before
};

void PrintTo(const KeyCase& c, std::ostream* out) { *out << c.name; }

// Where "winX=" is found, and where it is not.
const KeyCase kKeyCases[] = {
    {"as_written", "winX=40\r\n", 40},
    {"upper_case", "WINX=40\r\n", 40},
    {"mixed_case", "wInX=40\r\n", 40},
    {"after_other_lines", "winY=5\r\ntopmost=1\r\nwinX=40\r\n", 40},
    {"after_lf_only", "winY=5\nwinX=40\n", 40},
    {"after_cr_only", "winY=5\rwinX=40\r", 40},
    {"last_line_without_line_end", "winY=5\r\nwinX=4", 4},
    {"first_line_wins", "winX=40\r\nwinX=50\r\n", 40},
    {"empty_value_gives_0", "winX=\r\n", 0},
    {"empty_value_at_end_gives_0", "winX=", 0},
    {"indented_is_not_a_key", " winX=40\r\n", 300},
    {"inside_a_line_is_not_a_key", "xwinX=40\r\n", 300},
    {"inside_a_value_is_not_a_key", "winY=winX=40\r\n", 300},
    {"space_before_equals_is_not_the_key", "winX =40\r\n", 300},
    {"behind_a_zero_byte_is_hidden", std::string_view("winY=1\r\n\0winX=40\r\n", 18), 300},
    {"missing", "winY=40\r\n", 300},
};

class KeyPlacement : public ReadTest, public ::testing::WithParamInterface<KeyCase> { };

TEST_P(KeyPlacement, FindsWinXOnlyAtALineStart)
{
    boardSettings.winX = 300;
    applyText(GetParam().text);
    EXPECT_EQ(boardSettings.winX, GetParam().winX);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyPlacement, ::testing::ValuesIn(kKeyCases), [](const auto& info) { return std::string(info.param.name); });

struct NumberCase {
    std::string_view value;
    int32_t number;
};

// Leading blanks, a sign, digits; anything else ends the number; 32-bit
// wrap-around.
const NumberCase kNumberCases[] = {
    {"12", 12},
    {" 12", 12},
    {"\t\v\f 12", 12},
    {"+7", 7},
    {"-7", -7},
    {"35px", 35},
    {"1 2", 1},
    {"abc", 0},
    {"", 0},
    {"-", 0},
    {"--5", 0},
    {"- 5", 0},
    {"007", 7},
    {"2147483647", INT32_MAX},
    {"2147483648", INT32_MIN},
    {"-2147483648", INT32_MIN},
    {"4294967296", 0},
    {"4294967297", 1},
    {"99999999999", 1215752191},
    {"-4294967295", 1},
};

TEST(ConvertNumber, FollowsTheConversionRules)
{
    for (const NumberCase& c : kNumberCases) EXPECT_EQ(convertNumber(c.value), c.number) << '"' << c.value << '"';
}

TEST_F(ReadTest, LongNumericValueIsConvertedFromItsFirst99Bytes)
{
    const std::string zeros98(98, '0');
    applyText("endsec=" + zeros98 + "7\r\n");  // 99 bytes: all of it
    EXPECT_EQ(boardSettings.endsec, 7);
    applyText("endsec=" + zeros98 + "07\r\n");  // 100 bytes: the 7 is cut off
    EXPECT_EQ(boardSettings.endsec, 0);
    applyText("endsec=" + std::string(5000, ' ') + "9\r\n");
    EXPECT_EQ(boardSettings.endsec, 0);
}

struct AdjustCase {
    const char* name;
    std::string_view text;
    BoardSettings expected;
    int32_t messageNum;
};

void PrintTo(const AdjustCase& c, std::ostream* out) { *out << c.name; }

// On a primary screen of 800 x 600 and no other monitor.
const AdjustCase kAdjustCases[] = {
    {"defaults_stay", "", {0, 0, 0, 0, 10}, 0},
    {"negative_position_to_0", "winX=-20\r\nwinY=-1\r\n", {0, 0, 0, 0, 10}, 0},
    {"past_the_right_and_bottom_edge", "winX=700\r\nwinY=590\r\n", {544, 494, 0, 0, 10}, 0},
    {"just_inside_stays", "winX=544\r\nwinY=494\r\n", {544, 494, 0, 0, 10}, 0},
    {"far_off_comes_back", "winX=2147483647\r\nwinY=2147483647\r\n", {544, 494, 0, 0, 10}, 0},
    {"negative_flags_to_0", "topmost=-5\r\nautoend=-1\r\n", {0, 0, 0, 0, 10}, 0},
    {"positive_flags_stay", "topmost=7\r\nautoend=3\r\n", {0, 0, 7, 3, 10}, 0},
    {"negative_endsec_to_10", "endsec=-1\r\n", {0, 0, 0, 0, 10}, 0},
    {"endsec_0_stays", "endsec=0\r\n", {0, 0, 0, 0, 0}, 0},
    {"endsec_3_stays", "endsec=3\r\n", {0, 0, 0, 0, 3}, 0},
    {"message_count_above_100", "MessageNum=250\r\n", {0, 0, 0, 0, 10}, 100},
    {"message_count_negative", "MessageNum=-3\r\n", {0, 0, 0, 0, 10}, 0},
    {"letter_case_and_noise", "WINY= 35px\r\nmessagenum=2\r\nENDSEC=abc\r\n", {0, 35, 0, 0, 0}, 2},
};

class Adjustments : public ReadTest, public ::testing::WithParamInterface<AdjustCase> { };

TEST_P(Adjustments, BringTheSettingsIntoRange)
{
    const AdjustCase& c = GetParam();
    applyText(c.text);
    EXPECT_EQ(boardSettings.winX, c.expected.winX);
    EXPECT_EQ(boardSettings.winY, c.expected.winY);
    EXPECT_EQ(boardSettings.topmost, c.expected.topmost);
    EXPECT_EQ(boardSettings.autoend, c.expected.autoend);
    EXPECT_EQ(boardSettings.endsec, c.expected.endsec);
    EXPECT_EQ(messageTable.MessageNum, c.messageNum);
}

INSTANTIATE_TEST_SUITE_P(Settings, Adjustments, ::testing::ValuesIn(kAdjustCases),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReadTest, KeptValuesAreAdjustedToo)
{
    boardSettings = {-5, 900, -1, -1, -7};
    messageTable.MessageNum = 400;
    applyText("unrelated=1\r\n");
    EXPECT_EQ(boardSettings.winX, 0);
    EXPECT_EQ(boardSettings.winY, 494);
    EXPECT_EQ(boardSettings.endsec, 10);
    EXPECT_EQ(messageTable.MessageNum, 100);
}

TEST_F(ReadTest, ScreenNarrowerThanTheBoardLeavesANegativePosition)
{
    applyText("winX=10\r\nwinY=10\r\n", ScreenGeometry{200, 100, nullptr});
    EXPECT_EQ(boardSettings.winX, -56);
    EXPECT_EQ(boardSettings.winY, -6);
}

TEST_F(ReadTest, WorkedExampleLoadsIntoTheStore)
{
    applyText(
        "winX=500\r\nwinY=400\r\ntopmost=0\r\nautoend=1\r\nendsec=30\r\nMessageNum=2\r\n"
        "00Num=2\r\n0000=Recycling day\r\n0001=2\r\n0002=19\r\n"
        "01Num=1\r\n0100=Dentist 10:30\r\n0101=314\r\n");
    EXPECT_EQ(boardSettings.winX, 500);
    EXPECT_EQ(boardSettings.endsec, 30);
    ASSERT_EQ(messageTable.MessageNum, 2);
    EXPECT_STREQ(messageTable.entries[0].text, "Recycling day");
    EXPECT_EQ(messageTable.entries[0].dateNum, 2);
    EXPECT_EQ(messageTable.entries[0].dates[1], 19);
    EXPECT_STREQ(messageTable.entries[1].text, "Dentist 10:30");
    EXPECT_EQ(messageTable.entries[1].dates[0], 314);
}

TEST_F(ReadTest, CrLfAndLfOnlyFilesLoadAlike)
{
    const std::string crlf = "winX=40\r\nMessageNum=1\r\n00Num=2\r\n0000=a b\r\n0001=3\r\n0002=314\r\n";
    std::string lf = crlf;
    for (size_t at; (at = lf.find('\r')) != std::string::npos;) lf.erase(at, 1);
    applyText(crlf);
    const StoreCopy fromCrLf = copyStore();
    resetStore();
    applyText(lf);
    EXPECT_TRUE(storeEquals(fromCrLf));
    EXPECT_STREQ(messageTable.entries[0].text, "a b");
}

TEST_F(ReadTest, TextValueIsTakenWholeWithEqualsSignsAndSpaces)
{
    applyText("MessageNum=4\r\n0300=a = b  \r\n");
    EXPECT_STREQ(messageTable.entries[3].text, "a = b  ");
}

TEST_F(ReadTest, CountsAreClampedAndBoundTheDateLookups)
{
    applyText("MessageNum=6\r\n05Num=120\r\n05100=7\r\n0501=1\r\n04Num=-4\r\n0401=9\r\n");
    EXPECT_EQ(messageTable.entries[5].dateNum, 100);
    EXPECT_EQ(messageTable.entries[5].dates[99], 7);
    EXPECT_EQ(messageTable.entries[5].dates[0], 1);
    EXPECT_EQ(messageTable.entries[4].dateNum, 0);
    EXPECT_EQ(messageTable.entries[4].dates[0], kEmptyDateCode);
}

TEST_F(ReadTest, NothingBeyondTheCountsIsTouched)
{
    messageTable.entries[0].dateNum = 1;
    std::strcpy(messageTable.entries[2].text, "kept");
    applyText("MessageNum=2\r\n00Num=1\r\n0001=5\r\n0002=6\r\n0200=lost\r\n");
    EXPECT_EQ(messageTable.entries[0].dates[0], 5);
    EXPECT_EQ(messageTable.entries[0].dates[1], kEmptyDateCode);
    EXPECT_STREQ(messageTable.entries[2].text, "kept");
}

TEST_F(ReadTest, MissingMessageKeysKeepTheStoresValues)
{
    addMessage("before", {101, 102});
    applyText("MessageNum=1\r\n");
    EXPECT_STREQ(messageTable.entries[0].text, "before");
    EXPECT_EQ(messageTable.entries[0].dateNum, 2);
    EXPECT_EQ(messageTable.entries[0].dates[1], 102);
}

// A hundredth-date line holds the text key of a later message from its
// second byte on; only the line's own key may count.
TEST_F(ReadTest, HundredthDateLineDoesNotSupplyALaterMessagesText)
{
    addMessage("first", {});
    messageTable.entries[0].dateNum = 100;
    for (DateCode& code : messageTable.entries[0].dates) code = 2;
    messageTable.entries[0].dates[99] = 777;
    addMessage("second", {314});
    const std::string text = composedSettingsText();
    ASSERT_NE(text.find("00100=777"), std::string::npos);
    resetStore();
    applyText(text);
    EXPECT_STREQ(messageTable.entries[1].text, "second");
    EXPECT_EQ(messageTable.entries[0].dates[99], 777);
}

TEST_F(ReadTest, KeysInsideAMessageTextAreNotRead)
{
    addMessage("winX=5", {});
    addMessage("02Num=3 MessageNum=1", {});
    addMessage("third", {});
    boardSettings.winX = 200;
    const std::string text = composedSettingsText();
    resetStore();
    applyText(text);
    EXPECT_EQ(boardSettings.winX, 200);
    EXPECT_EQ(messageTable.MessageNum, 3);
    EXPECT_EQ(messageTable.entries[2].dateNum, 0);
    EXPECT_STREQ(messageTable.entries[0].text, "winX=5");
}

TEST_F(ReadTest, ShortLastLinesCount)
{
    std::strcpy(messageTable.entries[1].text, "old");
    applyText("MessageNum=2\r\n01Num=1\r\n0100=\r\n0101=5");
    EXPECT_EQ(messageTable.entries[1].dates[0], 5);
    EXPECT_STREQ(messageTable.entries[1].text, "");
}

TEST_F(ReadTest, EmptyTextAsTheVeryLastLineIsRead)
{
    std::strcpy(messageTable.entries[0].text, "old");
    applyText("MessageNum=1\r\n0000=\r\n");
    EXPECT_STREQ(messageTable.entries[0].text, "");
}

TEST_F(ReadTest, LongTextKeeps127BytesCutBackToAWholeCharacter)
{
    // 126 ASCII bytes then a double-byte character: byte 127 would be
    // half of it.
    std::string text = std::string(126, 'a') + "\x82\xA0" + "tail";
    applyText("MessageNum=2\r\n0000=" + text + "\r\n0100=" + std::string(300, 'b') + "\r\n");
    EXPECT_EQ(std::strlen(messageTable.entries[0].text), 126u);
    EXPECT_EQ(std::strlen(messageTable.entries[1].text), 127u);

    // The same character one byte earlier fits whole.
    text = std::string(125, 'a') + "\x82\xA0" + "tail";
    applyText("MessageNum=1\r\n0000=" + text + "\r\n");
    EXPECT_EQ(std::string(messageTable.entries[0].text), text.substr(0, 127));
}

TEST(FindKey, MovesThePositionToTheValue)
{
    const std::string_view text = "winX=1\r\nMessageNum=7\r\nmessagenum=8\r\n";
    int at = 0;
    ASSERT_TRUE(findKey("MessageNum=", text, at));
    EXPECT_EQ(valueAt(text, at), "7");
    ASSERT_TRUE(findKey("MessageNum=", text, at));
    EXPECT_EQ(valueAt(text, at), "8");
    EXPECT_FALSE(findKey("MessageNum=", text, at));
    at = 1;  // mid-line: the search starts at the next line
    EXPECT_FALSE(findKey("winX=", text, at));
}

}  // namespace
