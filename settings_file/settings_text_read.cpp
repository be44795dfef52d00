// Reading a settings text: key search, values, numbers, the adjustments, and
// the indexed reader that finds every key's line in one pass.
#include "settings_file/settings_text_apply.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace {

constexpr bool isDigit(char byte) { return byte >= '0' && byte <= '9'; }

// What the number conversion skips before a number.
constexpr bool isBlank(char byte) { return byte == ' ' || byte == '\t' || byte == '\v' || byte == '\f'; }

int twoDigits(std::string_view text, size_t at) { return (text[at] - '0') * 10 + (text[at + 1] - '0'); }

constexpr int kNoLine = -1;

// Where the value of each key's first line starts, or kNoLine. Filled by
// one pass over the lines; every later lookup is a table read.
struct KeyIndex {
    int32_t header[kHeaderKeyCount];
    int32_t count[kMaxMessages];
    int32_t text[kMaxMessages];
    int32_t dates[kMaxMessages][kMaxDatesPerMessage];  // date number k at [k - 1]
};
KeyIndex keyIndex;
// Of the text last indexed: lines with any byte in them, and lines that
// hold the first place of some key.
int nonEmptyLines;
int keyLines;

void record(int32_t& slot, int valueStart)
{
    if (slot != kNoLine) return;  // the first line wins
    slot = valueStart;
    ++keyLines;
}

// A line's name is its bytes before the first '='. Each name matches at most
// one key, since every key is a name and its '='. The names the writer
// composes: "%02dNum", "%02d00", "%02d%02d" (date numbers 1..100) and the
// six header names, all compared without regard to ASCII case.
void indexLine(std::string_view name, int valueStart)
{
    if (name.size() < 4) return;
    if (!isDigit(name[0]) || !isDigit(name[1])) {
        // Header names begin with a letter, message keys with two digits.
        for (int h = 0; h < kHeaderKeyCount; ++h) {
            if (equalsIgnoringAsciiCase(name, kHeaderKeys[h].substr(0, kHeaderKeys[h].size() - 1))) {
                record(keyIndex.header[h], valueStart);
                return;
            }
        }
        return;
    }
    const int message = twoDigits(name, 0);
    const std::string_view rest = name.substr(2);
    if (rest.size() == 2 && isDigit(rest[0]) && isDigit(rest[1])) {
        const int number = twoDigits(rest, 0);
        if (number == 0)
            record(keyIndex.text[message], valueStart);
        else
            record(keyIndex.dates[message][number - 1], valueStart);
    } else if (rest == "100") {
        record(keyIndex.dates[message][kMaxDatesPerMessage - 1], valueStart);
    } else if (equalsIgnoringAsciiCase(rest, "Num")) {
        record(keyIndex.count[message], valueStart);
    }
}

void buildKeyIndex(std::string_view text)
{
    // All bytes 0xFF: every slot kNoLine, in one sweep.
    static_assert(kNoLine == -1);
    std::memset(&keyIndex, 0xFF, sizeof keyIndex);
    nonEmptyLines = 0;
    keyLines = 0;
    const int length = static_cast<int>(text.size());
    int lineStart = 0;
    while (lineStart < length) {
        int at = lineStart;
        while (at < length && text[at] != '=' && !isLineEnd(text[at])) ++at;
        if (at < length && text[at] == '=') {
            indexLine(text.substr(lineStart, at - lineStart), at + 1);
            while (at < length && !isLineEnd(text[at])) ++at;
        }
        if (at > lineStart) ++nonEmptyLines;
        lineStart = at + 1;  // the byte after a CR or LF starts a line
    }
}

struct IndexFinder {
    int header(int h) const { return keyIndex.header[h]; }
    int count(int i) const { return keyIndex.count[i]; }
    int text(int i) const { return keyIndex.text[i]; }
    int date(int i, int k) const { return keyIndex.dates[i][k - 1]; }
};

bool onOneMonitor(const ScreenGeometry& screen, int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    if (screen.withinOneMonitor != nullptr) return screen.withinOneMonitor(left, top, right, bottom);
    return left >= 0 && top >= 0 && right <= screen.width && bottom <= screen.height;
}

}  // namespace

// The whole window's size pulls a board back onto the primary screen.
void fitBoardOnScreen(BoardSettings& boardSettings, const ScreenGeometry& screen)
{
    const int64_t x = boardSettings.winX;
    const int64_t y = boardSettings.winY;
    const bool representable = x + screen.board.width <= INT32_MAX && y + screen.board.height <= INT32_MAX;
    if (representable
        && onOneMonitor(screen, boardSettings.winX, boardSettings.winY, static_cast<int32_t>(x + screen.board.width),
            static_cast<int32_t>(y + screen.board.height)))
        return;

    // In 64 bits, so that a position near the 32-bit limit still comes back
    // onto the screen instead of wrapping past the test.
    if (boardSettings.winX < 0) boardSettings.winX = 0;
    if (int64_t{boardSettings.winX} + screen.window.width > screen.width)
        boardSettings.winX = static_cast<int32_t>(int64_t{screen.width} - screen.window.width);
    if (boardSettings.winY < 0) boardSettings.winY = 0;
    if (int64_t{boardSettings.winY} + screen.window.height > screen.height)
        boardSettings.winY = static_cast<int32_t>(int64_t{screen.height} - screen.window.height);
}

std::string_view untilFirstNul(std::string_view text)
{
    const size_t nul = text.find('\0');
    return nul == std::string_view::npos ? text : text.substr(0, nul);
}

std::string_view valueAt(std::string_view text, int at)
{
    // A value at the very end is empty but still points into the text.
    if (at < 0 || static_cast<size_t>(at) > text.size()) return {};
    size_t end = static_cast<size_t>(at);
    while (end < text.size() && text[end] != '\0' && !isLineEnd(text[end])) ++end;
    return text.substr(static_cast<size_t>(at), end - static_cast<size_t>(at));
}

int32_t convertNumber(std::string_view value)
{
    value = value.substr(0, std::min<size_t>(value.size(), kValueBufferSize - 1));
    size_t at = 0;
    while (at < value.size() && isBlank(value[at])) ++at;
    bool negative = false;
    if (at < value.size() && (value[at] == '+' || value[at] == '-')) negative = value[at++] == '-';
    uint32_t number = 0;  // unsigned, so that overflow wraps around
    for (; at < value.size() && isDigit(value[at]); ++at)
        number = number * 10u + static_cast<uint32_t>(value[at] - '0');
    if (negative) number = 0u - number;
    return static_cast<int32_t>(number);
}

bool isWholeNumber(std::string_view value)
{
    if (value.size() > kValueBufferSize - 1) return false;
    const auto blank = [&](size_t n) { return n < value.size() && isBlank(value[n]); };
    size_t at = 0;
    while (blank(at)) ++at;
    if (at == value.size()) return at == 0;
    if (value[at] == '+' || value[at] == '-') ++at;
    const size_t digits = at;
    while (at < value.size() && isDigit(value[at])) ++at;
    if (at == digits) return false;
    while (blank(at)) ++at;
    return at == value.size();
}

void adjustBoardSettings(Schedule& schedule)
{
    BoardSettings& boardSettings = schedule.settings;
    MessageTable& messageTable = schedule.table;
    if (boardSettings.topmost < 0) boardSettings.topmost = 0;
    if (boardSettings.autoend < 0) boardSettings.autoend = 0;
    if (boardSettings.endsec < 0) boardSettings.endsec = 10;
    if (messageTable.MessageNum < 0) messageTable.MessageNum = 0;
    if (messageTable.MessageNum > kMaxMessages) messageTable.MessageNum = kMaxMessages;
}

SettingsReadReport applySettingsText(std::string_view text, Schedule& schedule)
{
    const std::string_view read = untilFirstNul(text);
    buildKeyIndex(read);
    const AppliedLines applied = applyWithFinder(read, schedule, IndexFinder{});
    const bool nulInside = read.size() < text.size();
    // Each key has its own line, so the lines used are as many as the keys
    // that took a value.
    return {keyLines > 0, nulInside, !nulInside && !applied.cut && applied.used == nonEmptyLines};
}
