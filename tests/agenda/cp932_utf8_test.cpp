#include "tools/agenda/cp932_utf8.h"

#include "text/cp932.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

std::string toUtf8(const std::string& cp932)
{
    char out[256];
    const int n = cp932ToUtf8(cp932, out, sizeof out);
    return std::string(out, static_cast<size_t>(n));
}

class Cp932ToUtf8 : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(openCp932Decoder()); }
};

// Expected texts are written as UTF-8 byte escapes: the compiler turns
// ordinary literals into CP932.
TEST_F(Cp932ToUtf8, Characters)
{
    struct Case {
        const char* name;
        std::string cp932;
        std::string utf8;
    };
    const Case cases[] = {
        {"ASCII, backslash and tilde stay", "a\\~\"\t", "a\\~\"\t"},
        {"half-width katakana", "\xB1\xDF", "\xEF\xBD\xB1\xEF\xBE\x9F"},
        {"ideographic space", "\x81\x40", "\xE3\x80\x80"},
        {"kanji with a 5C trail byte", "\x95\x5C", "\xE8\xA1\xA8"},  // 表
        {"full-width reverse solidus", "\x81\x5F", "\xEF\xBC\xBC"},
        {"wave dash as Windows reads it", "\x81\x60", "\xEF\xBD\x9E"},
        {"parallel", "\x81\x61", "\xE2\x88\xA5"},
        {"minus", "\x81\x7C", "\xEF\xBC\x8D"},
        {"NEC row 13: circled one", "\x87\x40", "\xE2\x91\xA0"},
        {"NEC row 13: numero", "\x87\x82", "\xE2\x84\x96"},
        {"NEC row 13: roman one", "\x87\x54", "\xE2\x85\xA0"},
        {"NEC-selected IBM extension", "\xED\x40", "\xE7\xBA\x8A"},
        {"NEC-selected IBM: full-width quote", "\xEE\xFC", "\xEF\xBC\x82"},
        {"IBM extension: small roman one", "\xFA\x40", "\xE2\x85\xB0"},
        {"IBM extension: broken bar", "\xFA\x55", "\xEF\xBF\xA4"},
        {"IBM extension: last", "\xFC\x4B", "\xE9\xBB\x91"},
        {"user-defined area, first", "\xF0\x40", "\xEE\x80\x80"},
        {"user-defined area, last", "\xF9\xFC", "\xEE\x9D\x97"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(toUtf8(c.cp932), c.utf8);
    }
}

TEST_F(Cp932ToUtf8, BytesThatAreNoCharacterBecomeReplacementCharacters)
{
    const std::string r = "\xEF\xBF\xBD";
    struct Case {
        const char* name;
        std::string cp932;
        std::string utf8;
    };
    const Case cases[] = {
        {"single bytes outside the code page", "\x80\xA0\xFD\xFE\xFF", r + r + r + r + r},
        {"an unassigned pair is one character", "a\x85\x40z", "a" + r + "z"},
        {"a lead byte before a line end keeps the line end", "\x81\r\n", r + "\r\n"},
        {"a lead byte before a space", "\x81 x", r + " x"},
        {"a lead byte at the very end", "ok\x81", "ok" + r},
        {"a lead byte pairs with a lead byte as its trail", "\x81\x81\x40", "\xEF\xBC\x9D@"},  // ＝@
        {"a lead byte before a byte outside the trail range", "\x81\xFD", r + r},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(toUtf8(c.cp932), c.utf8);
    }
}

// Every pair of a lead byte and any second byte, converted, hashed: the
// digest was computed with an independent implementation of the Windows
// code page 932 table (the one Python ships) and the same replacement
// rules. A single wrong character anywhere in the NEC or IBM rows, the
// user-defined area or the JIS rows changes it.
TEST_F(Cp932ToUtf8, AgreesWithTheWindowsTableOnEveryPair)
{
    uint64_t hash = 0xcbf29ce484222325u;
    int mapped = 0;
    char out[16];
    for (int lead = 0; lead < 256; ++lead) {
        if (!isCp932LeadByte(static_cast<unsigned char>(lead))) continue;
        for (int second = 0; second < 256; ++second) {
            const char pair[2] = {static_cast<char>(lead), static_cast<char>(second)};
            const int n = cp932ToUtf8(std::string_view(pair, 2), out, sizeof out);
            const std::string utf8(out, static_cast<size_t>(n));
            if (utf8.find("\xEF\xBF\xBD") == std::string::npos) ++mapped;
            for (unsigned char c : utf8 + '\0') {
                hash ^= c;
                hash *= 0x100000001b3u;
            }
        }
    }
    EXPECT_EQ(mapped, 9604);  // 7,724 characters and the 1,880 of the user-defined area
    EXPECT_EQ(hash, 0x60e0b7096f079055u);
}

TEST_F(Cp932ToUtf8, StopsAtTheLastWholeCharacterThatFits)
{
    char out[5];
    EXPECT_EQ(cp932ToUtf8("\x87\x40\x87\x40", out, sizeof out), 3);
    EXPECT_EQ(std::string(out, 3), "\xE2\x91\xA0");
    EXPECT_EQ(cp932ToUtf8("\x80\x80", out, 4), 3);
    EXPECT_EQ(cp932ToUtf8("abc", out, 0), 0);
}

}  // namespace
