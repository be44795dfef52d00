// The text of notavex.ini, as pure functions over byte buffers: composing it
// from the store and applying it to the store. No files, no platform calls;
// loadSettings and saveSettings (settings_file.h) wrap these, and anything
// else that reads a settings file (a command-line view, tests, the fuzzer)
// goes through the very same code.
#pragma once

#include "layout/board_scale.h"

#include <cstdint>
#include <string_view>

struct BoardSettings;
struct Schedule;

// Files up to this size are read; larger ones are refused. The largest text
// the writer can make from a store within its limits (100 messages of 127
// bytes with 100 dates each, every value at its longest) is
// kLargestComposedText bytes, well below it.
constexpr int kSettingsFileMaxBytes = 256 * 1024;
// The file's bytes and a terminating NUL.
constexpr int kSettingsTextSize = kSettingsFileMaxBytes + 1;
constexpr int kLargestComposedText = 194714;
static_assert(kLargestComposedText <= kSettingsFileMaxBytes);

// A numeric value is converted from at most this many bytes.
constexpr int kValueBufferSize = 100;

// What the position check needs to know of the screens and of the board.
struct ScreenGeometry {
    int32_t width;  // primary screen, pixels
    int32_t height;
    // True when the rectangle [left, right) x [top, bottom) lies wholly within
    // the full area of one monitor. Null: the primary screen is the only one.
    bool (*withinOneMonitor)(int32_t left, int32_t top, int32_t right, int32_t bottom);
    // The visible board and the whole window at the screen's scale.
    BoardSize board = {kBoardPictureWidth, kBoardPictureHeight};
    BoardSize window = {kBoardOuterWidth, kBoardOuterHeight};
};

// Writes the whole file text for a schedule into out. Returns its length in
// bytes (no NUL is added), or -1 when it does not fit in capacity (a
// schedule within its limits always fits in kLargestComposedText).
int composeSettingsText(const Schedule& schedule, char* out, int capacity);

// What applying a text made of it.
struct SettingsReadReport {
    bool keyFound;   // some line starts with a key
    bool nulInside;  // a zero byte hid the rest of the text
    // Every non-empty line was used and no value was cut: the schedule holds
    // all the text says, and writing it loses nothing.
    bool whole;
};

// Applies a file's text to a schedule: looks up every key, converts and
// stores the values, and brings the options and counts into their range.
// The text ends at its first NUL or at its size. Keys the text lacks leave
// the schedule's values, so a fresh one (resetStore) reads a file as the
// program does. Linear in the size of the text.
SettingsReadReport applySettingsText(std::string_view text, Schedule& schedule);

// Keeps a position whose visible board stands wholly on one monitor; anything else is pulled onto the primary screen.
// Run after a read: the file's values are the file's, where the board goes is the screen's.
void fitBoardOnScreen(BoardSettings& settings, const ScreenGeometry& screen);

// The value that starts at at: up to the first CR, LF or NUL, or the end.
std::string_view valueAt(std::string_view text, int at);

// A numeric value: leading blanks, an optional sign, decimal digits, in
// 32-bit arithmetic that wraps around; anything else ends it; no digits
// give 0. Only the first kValueBufferSize - 1 bytes take part.
int32_t convertNumber(std::string_view value);
// True when convertNumber loses nothing of value that a writer would keep:
// it is empty, or blanks, a sign and digits (blanks may follow), within
// kValueBufferSize - 1 bytes.
bool isWholeNumber(std::string_view value);
