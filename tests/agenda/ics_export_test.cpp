#include "tools/agenda/ics_export.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A text as its SUMMARY line: escaped, then folded.
std::string summaryLines(const std::string& utf8)
{
    char escaped[512];
    const int length = escapeIcsText(utf8, escaped, sizeof escaped);
    const std::string content = "SUMMARY:" + std::string(escaped, static_cast<size_t>(length));
    char folded[1024];
    return std::string(folded, static_cast<size_t>(foldIcsLine(content, folded, sizeof folded)));
}

TEST(IcsText, EscapedAndFolded)
{
    const std::string a = "\xE3\x81\x82";  // あ, three octets
    const std::string fffd = "\xEF\xBF\xBD";
    const std::string x66(66, 'x'), x67(67, 'x'), x74(74, 'x');
    struct Case {
        const char* name;
        std::string text;
        std::string lines;
    };
    const Case cases[] = {
        {"plain", "Dentist 10:30", "SUMMARY:Dentist 10:30\r\n"},
        {"comma, semicolon, backslash", "a,b;c\\d", "SUMMARY:a\\,b\\;c\\\\d\r\n"},
        {"tab stays, other controls are no TEXT", "tab\there\x01\x1B\x7F",
            "SUMMARY:tab\there" + fffd + fffd + fffd + "\r\n"},
        {"75 octets are one line", x67, "SUMMARY:" + x67 + "\r\n"},
        {"the 76th starts the next", x67 + "y", "SUMMARY:" + x67 + "\r\n y\r\n"},
        {"after the space, 74 octets", x67 + x74 + "z", "SUMMARY:" + x67 + "\r\n " + x74 + "\r\n z\r\n"},
        {"a character is never cut", x66 + a, "SUMMARY:" + x66 + "\r\n " + a + "\r\n"},
        {"an escape may be: readers unfold first", x66 + ",", "SUMMARY:" + x66 + "\\\r\n ,\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(summaryLines(c.text), c.lines);
    }
}

}  // namespace
