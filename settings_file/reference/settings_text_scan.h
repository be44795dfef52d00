// The plain reader of a settings text: every key searched for from the
// start of the text. Quadratic; kept, apart from the program, as the
// reference that the indexed reader is checked against by the tests, the
// fuzzer and the benchmarks.
#pragma once

#include "settings_file/settings_text.h"

#include <string_view>

// The same result as applySettingsText, found by searching the text with
// findKey for each key in turn.
void applySettingsTextByScan(std::string_view text, Schedule& schedule);

// Searches text for key from position at (in and out). A key counts only at
// the start of a line (the first byte of the text, or the byte after a CR or
// LF), compared without regard to the case of ASCII letters; the first such
// line wins. When found, at moves to the byte after the key, the value's
// first byte.
bool findKey(std::string_view key, std::string_view text, int& at);
