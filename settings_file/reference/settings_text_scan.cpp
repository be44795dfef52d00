// The plain reader: every key composed and searched for from the start of
// the text. Quadratic in the worst case; the indexed reader must agree with it.
#include "settings_file/reference/settings_text_scan.h"
#include "settings_file/settings_text_apply.h"

#include <cstdio>

namespace {

// Room for any two numbers, though only 0..99 and 1..100 are asked for.
constexpr int kKeySize = 24;

struct ScanFinder {
    std::string_view fileText;

    int find(const char* key) const
    {
        int at = 0;
        return findKey(key, fileText, at) ? at : -1;
    }
    int header(int h) const
    {
        int at = 0;
        return findKey(kHeaderKeys[h], fileText, at) ? at : -1;
    }
    int count(int i) const
    {
        char key[kKeySize];
        std::snprintf(key, sizeof key, "%02dNum=", i);
        return find(key);
    }
    int text(int i) const
    {
        char key[kKeySize];
        std::snprintf(key, sizeof key, "%02d00=", i);
        return find(key);
    }
    int date(int i, int k) const
    {
        char key[kKeySize];
        std::snprintf(key, sizeof key, "%02d%02d=", i, k);
        return find(key);
    }
};

}  // namespace

bool findKey(std::string_view key, std::string_view text, int& at)
{
    text = untilFirstNul(text);
    const int length = static_cast<int>(text.size());
    const int keyLength = static_cast<int>(key.size());
    int p = at < 0 ? 0 : at;
    // Begin at a line start: at itself, or the first one after it.
    while (p > 0 && p < length && !isLineEnd(text[p - 1])) ++p;
    while (p + keyLength <= length) {
        if (equalsIgnoringAsciiCase(text.substr(p, keyLength), key)) {
            at = p + keyLength;
            return true;
        }
        while (p < length && !isLineEnd(text[p])) ++p;
        ++p;
    }
    return false;
}

void applySettingsTextByScan(std::string_view text, Schedule& schedule)
{
    text = untilFirstNul(text);
    applyWithFinder(text, schedule, ScanFinder{text});
}
