// The indexed reader must give exactly what the plain key search gives, on
// texts full of near-keys, odd line ends, repeats and letter case.
#include "settings_file/reference/settings_text_scan.h"
#include "tests/settings_file/store_fixture.h"

#include <cstdio>
#include <cstring>
#include <random>
#include <string>

namespace {

class TextMaker {
public:
    explicit TextMaker(unsigned seed) : random_(seed) { }

    std::string text()
    {
        std::string out;
        const int lines = pick(0, 400);
        for (int n = 0; n < lines; ++n) {
            out += lineStart();
            out += value();
            out += lineEnd();
        }
        return out;
    }

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    std::string twoDigits(int value)
    {
        char digits[8];
        std::snprintf(digits, sizeof digits, "%02d", value);
        return digits;
    }

    std::string withRandomCase(std::string text)
    {
        for (char& c : text)
            if (pick(0, 3) == 0 && c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 'a' + 'A');
            else if (pick(0, 3) == 0 && c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
        return text;
    }

    std::string lineStart()
    {
        // Small message numbers, so that keys repeat and counts meet lines.
        const int message = pick(0, 5) == 0 ? pick(0, 99) : pick(0, 4);
        switch (pick(0, 9)) {
        case 0: {
            static const char* const header[] = {"winX=", "winY=", "topmost=", "autoend=", "endsec=", "MessageNum="};
            return withRandomCase(header[pick(0, 5)]);
        }
        case 1: return twoDigits(message) + withRandomCase("Num=");
        case 2: return twoDigits(message) + "00=";
        case 3: return twoDigits(message) + twoDigits(pick(1, 100)) + "=";
        case 4: return twoDigits(message) + twoDigits(pick(1, 5)) + "=";
        case 5: {  // a near-key: a byte short, a byte too many, or shifted
            std::string key = twoDigits(message) + twoDigits(pick(0, 120)) + "=";
            if (pick(0, 1) == 0)
                key.erase(static_cast<size_t>(pick(0, 3)), 1);
            else
                key.insert(static_cast<size_t>(pick(0, 4)), 1, "0N= \r"[pick(0, 4)]);
            return key;
        }
        case 6: return " " + twoDigits(message) + "00=";
        case 7: return "";
        default: return twoDigits(message) + twoDigits(pick(0, 3)) + "=";
        }
    }

    std::string value()
    {
        static const char* const values[] = {"", "0", "1", "3", "-1", "100", "150", "5=x", "winX=9", "0100=t",
            "\x82\xA0", " 7 ", "+4", "text", "2147483648"};
        std::string out = values[pick(0, 14)];
        if (pick(0, 20) == 0) out += std::string(static_cast<size_t>(pick(100, 200)), '8');
        if (pick(0, 50) == 0) out += '\0';
        return out;
    }

    std::string lineEnd()
    {
        static const char* const ends[] = {"\r\n", "\r\n", "\r\n", "\n", "\r", "\n\r", ""};
        return ends[pick(0, 6)];
    }

    std::mt19937 random_;
};

using ReaderAgreement = StoreTest;

TEST_F(ReaderAgreement, IndexedReaderMatchesThePlainKeySearch)
{
    TextMaker maker(2024);
    for (int round = 0; round < 3000; ++round) {
        std::string text = maker.text();
        // Often make room for the messages the text speaks of.
        if (round % 2 == 0) text = "MessageNum=" + std::to_string(round % 7) + "\r\n" + text;
        resetStore();
        std::strcpy(messageTable.entries[1].text, "before");
        messageTable.entries[2].dateNum = 4;
        const StoreCopy before = copyStore();

        applySettingsTextByScan(text, board.schedule);
        const StoreCopy byScan = copyStore();

        boardSettings = before.settings;
        messageTable = *before.table;
        applySettingsText(text, board.schedule);
        ASSERT_TRUE(storeEquals(byScan)) << "round " << round << ": " << ::testing::PrintToString(text);
    }
}

}  // namespace
