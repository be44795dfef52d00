#include "text/cp932.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

std::vector<unsigned char> bytesOf(const char* text)
{
    return std::vector<unsigned char>(text, text + std::strlen(text));
}

// Sources are UTF-8; the compiler writes every literal as CP932 bytes. If it
// did not, every Japanese text the program shows and every label it compares
// would be wrong on Windows.
TEST(Cp932Literals, AreCompiledToCp932Bytes)
{
    const std::vector<unsigned char> expected = {
        0x91, 0x53, 0x8A, 0x70, 0x31, 0x35, 0x95, 0xB6, 0x8E, 0x9A,  // 全角15文字
        0x2F,                                                        // /
        0x94, 0xBC, 0x8A, 0x70, 0x33, 0x30, 0x95, 0xB6, 0x8E, 0x9A,  // 半角30文字
        0x82, 0xF0, 0x92, 0xB4, 0x82, 0xA6, 0x82, 0xC4, 0x82, 0xA2,  // を超えてい
        0x82, 0xDC, 0x82, 0xB7, 0x81, 0x42,                          // ます。
    };
    EXPECT_EQ(bytesOf("全角15文字/半角30文字を超えています。"), expected);
    EXPECT_EQ(bytesOf("　"), (std::vector<unsigned char>{0x81, 0x40}));
    EXPECT_EQ(bytesOf("ｱ"), (std::vector<unsigned char>{0xB1}));  // half-width: one byte
}

TEST(Cp932Bytes, LeadAndTrailRanges)
{
    struct Case {
        int byte;
        bool lead;
        bool trail;
    };
    const Case cases[] = {
        {0x00, false, false},
        {0x0A, false, false},
        {0x0D, false, false},
        {0x3F, false, false},
        {0x40, false, true},
        {0x5C, false, true},
        {0x7E, false, true},
        {0x7F, false, false},
        {0x80, false, true},
        {0x81, true, true},
        {0x9F, true, true},
        {0xA0, false, true},
        {0xA1, false, true},
        {0xDF, false, true},
        {0xE0, true, true},
        {0xFC, true, true},
        {0xFD, false, false},
        {0xFF, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.byte);
        EXPECT_EQ(isCp932LeadByte(static_cast<unsigned char>(c.byte)), c.lead);
        EXPECT_EQ(isCp932TrailByte(static_cast<unsigned char>(c.byte)), c.trail);
    }
}

TEST(Cp932FitLength, CutsBackToAWholeCharacter)
{
    struct Case {
        std::string text;
        int maxBytes;
        int expected;
    };
    const Case cases[] = {
        {"", 10, 0},
        {"abc", 10, 3},
        {"abc", 2, 2},
        {"abc", 0, 0},
        {"abc", -5, 0},
        {"表", 2, 2},  // 95 5C: the trail byte is a backslash
        {"表", 1, 0},  // never half a character
        {"a表", 2, 1},
        {"a表b", 3, 3},
        {"ｱｲｳ", 2, 2},  // half-width katakana are single bytes
        {"全角", 3, 2},
        {"\x81", 1, 1},  // a lead byte at the end stands alone
        {"a\x81", 2, 2},
        {"\x81\x0A", 1, 1},  // a lead byte before a non-trail byte is one byte
        {"\x81\x0A", 2, 2},
        {"\x81\x81\x40", 2, 2},  // 81 81 is one character; 40 follows
        {"\x81\x81\x40", 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text) + " within " + std::to_string(c.maxBytes));
        EXPECT_EQ(cp932FitLength(c.text, c.maxBytes), c.expected);
    }
}

TEST(Cp932CopyFit, TerminatesAndNeverSplits)
{
    char out[4];
    std::memset(out, 'x', sizeof out);
    EXPECT_EQ(cp932CopyFit(out, 4, "a表表"), 3);
    EXPECT_STREQ(out, "a表");

    EXPECT_EQ(cp932CopyFit(out, 3, "a表"), 1);
    EXPECT_STREQ(out, "a");

    EXPECT_EQ(cp932CopyFit(out, 1, "abc"), 0);
    EXPECT_STREQ(out, "");

    out[0] = 'x';
    EXPECT_EQ(cp932CopyFit(out, 0, "abc"), 0);
    EXPECT_EQ(out[0], 'x');
}

}  // namespace
