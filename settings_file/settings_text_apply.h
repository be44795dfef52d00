// The steps of applying a file's text to the store, shared by the indexed
// reader and the plain reference reader: only the way a key's line is found
// differs between them.
#pragma once

#include "settings_file/settings_text.h"
#include "text/ascii.h"
#include "text/cp932.h"
#include "schedule/store.h"

constexpr int kHeaderKeyCount = 6;
// In the order they are looked up and adjusted.
constexpr std::string_view kHeaderKeys[kHeaderKeyCount] = {
    "winX=",
    "winY=",
    "topmost=",
    "autoend=",
    "endsec=",
    "MessageNum=",
};

constexpr bool isLineEnd(char byte) { return byte == '\r' || byte == '\n'; }

// The text up to its first NUL: nothing after a zero byte counts.
std::string_view untilFirstNul(std::string_view text);

// The options and the message count, after they were read: into their range.
void adjustBoardSettings(Schedule& schedule);

// Finder answers, for a key, where its value starts in text, or -1:
//   header(h)   the header key kHeaderKeys[h]
//   count(i)    "%02dNum=" of message i
//   text(i)     "%02d00=" of message i
//   date(i, k)  "%02d%02d=" of message i and date number k (1..100)
// What applyWithFinder took from the text.
struct AppliedLines {
    int used;  // lines whose value went into the store
    bool cut;  // some value did not fit whole
};

template <typename Finder> AppliedLines applyWithFinder(std::string_view text, Schedule& schedule, const Finder& finder)
{
    BoardSettings& boardSettings = schedule.settings;
    MessageTable& messageTable = schedule.table;
    AppliedLines applied = {0, false};
    auto number = [&](int at) {
        const std::string_view value = valueAt(text, at);
        ++applied.used;
        if (!isWholeNumber(value)) applied.cut = true;
        return convertNumber(value);
    };
    int32_t* const headerFields[kHeaderKeyCount] = {
        &boardSettings.winX,
        &boardSettings.winY,
        &boardSettings.topmost,
        &boardSettings.autoend,
        &boardSettings.endsec,
        &messageTable.MessageNum,
    };
    for (int h = 0; h < kHeaderKeyCount; ++h) {
        const int at = finder.header(h);
        if (at >= 0) *headerFields[h] = number(at);
    }
    adjustBoardSettings(schedule);

    for (int i = 0; i < messageTable.MessageNum; ++i) {
        MessageEntry& entry = messageTable.entries[i];
        int at = finder.count(i);
        if (at >= 0) entry.dateNum = number(at);
        if (entry.dateNum < 0) entry.dateNum = 0;
        if (entry.dateNum > kMaxDatesPerMessage) entry.dateNum = kMaxDatesPerMessage;

        at = finder.text(i);
        if (at >= 0) {
            const std::string_view value = valueAt(text, at);
            ++applied.used;
            if (cp932CopyFit(entry.text, kMessageTextSize, value) < static_cast<int>(value.size())) applied.cut = true;
        }

        for (int k = 1; k <= entry.dateNum; ++k) {
            at = finder.date(i, k);
            if (at >= 0) entry.dates[k - 1] = number(at);
        }
    }
    return applied;
}
