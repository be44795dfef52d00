// Settings files in UTF-16 and UTF-8 become CP932 through the system's
// converter; CP932 files, even those that happen to be valid UTF-8, stay as
// they are. Ordinary literals are CP932 here.
#include "settings_file/text_encoding.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kUtf8Mark = "\xEF\xBB\xBF";

// u8 literals keep their UTF-8 bytes.
std::string utf8(const char* text) { return text; }

std::string utf16(std::u16string_view text, bool bigEndian)
{
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

struct Converted {
    Cp932Conversion result;
    std::string text;
};

Converted convert(std::string bytes)
{
    const Cp932Conversion result = convertSettingsTextToCp932(bytes.data(), static_cast<int>(bytes.size()));
    return {result, bytes.substr(0, static_cast<size_t>(result.length))};
}

TEST(TextEncoding, DetectionAndConversion)
{
    struct Case {
        const char* name;
        std::string file;
        TextEncoding source;
        std::string cp932;
        bool lossy;
    };
    const std::u16string_view lines = u"winX=40\r\n0000=歯医者\r\n";
    const Case cases[] = {
        {"UTF-16 LE with mark", utf16(lines, false), TextEncoding::utf16le, "winX=40\r\n0000=歯医者\r\n", false},
        {"UTF-16 BE with mark", utf16(lines, true), TextEncoding::utf16be, "winX=40\r\n0000=歯医者\r\n", false},
        {"UTF-8 mark, ASCII after it", kUtf8Mark + "winX=40\r\n", TextEncoding::utf8, "winX=40\r\n", false},
        {"UTF-8 without mark", utf8(u8"0000=歯医者 ｱ"), TextEncoding::utf8, "0000=歯医者 ｱ", false},
        {"CP932 text", "0000=歯医者", TextEncoding::cp932, "0000=歯医者", false},
        {"CP932 ﾈｺ is valid two-byte UTF-8", "0000=ﾈｺ", TextEncoding::cp932, "0000=ﾈｺ", false},
        {"UTF-8 without mark, a two-byte character among three-byte ones", utf8(u8"0000=牛乳×2"), TextEncoding::utf8,
            "0000=牛乳×2", false},
        {"UTF-8 without mark, a two-byte character CP932 lacks", utf8(u8"é歯"), TextEncoding::utf8, "?歯", true},
        // ﾈｺ (C8 BA) is a valid two-byte sequence and 燿ｱ (E0 A0 B1) a
        // valid three-byte one, but U+023A is no character a user types.
        {"CP932 half-width kana pair and a three-byte run", "0000=ﾈｺ燿ｱ", TextEncoding::cp932, "0000=ﾈｺ燿ｱ", false},
        {"overlong three-byte sequence", "\xE0\x80\xAF", TextEncoding::cp932, "\xE0\x80\xAF", false},
        {"surrogate in UTF-8", "\xED\xA0\x80", TextEncoding::cp932, "\xED\xA0\x80", false},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", TextEncoding::cp932, "\xF4\x90\x80\x80", false},
        // Lacking characters become one "?" each.
        {"four-byte UTF-8", utf8(u8"歯😀"), TextEncoding::utf8, "歯?", true},
        {"UTF-16 surrogate pair", utf16(u"a😀b", false), TextEncoding::utf16le, "a?b", true},
        {"UTF-16 unpaired surrogates", utf16(u"a\xDC00\xD800", true), TextEncoding::utf16be, "a??", true},
        {"UTF-16 odd last byte", utf16(u"ab", false) + "c", TextEncoding::utf16le, "ab?", true},
        {"e with acute", kUtf8Mark + utf8(u8"café"), TextEncoding::utf8, "caf?", true},
        // Windows converts without best fit: ¥ is not the backslash.
        {"yen sign", kUtf8Mark + utf8(u8"¥‾"), TextEncoding::utf8, "??", true},
        // Characters spelt two ways give the CP932 character Windows reads
        // back as the second form: 〜～ −－ ‖∥ ¢￠ £￡ ¬￢.
        {"twins", kUtf8Mark + utf8(u8"\u301C\uFF5E\u2212\uFF0D\u2016\u2225\u00A2\uFFE0\u00A3\uFFE1\u00AC\uFFE2"),
            TextEncoding::utf8,
            "\x81\x60\x81\x60\x81\x7C\x81\x7C\x81\x61\x81\x61\x81\x91\x81\x91\x81\x92\x81\x92\x81\xCA\x81\xCA", false},
        // Single bytes that Windows' table maps to these.
        {"U+0080 and U+F8F0..U+F8F3", kUtf8Mark + utf8(u8"\u0080\uF8F0\uF8F3"), TextEncoding::utf8, "\x80\xA0\xFF",
            false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Converted out = convert(c.file);
        EXPECT_EQ(out.result.source, c.source);
        EXPECT_EQ(out.text, c.cp932);
        EXPECT_EQ(out.result.lossy, c.lossy);
    }
}

}  // namespace
