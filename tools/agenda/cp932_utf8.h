// Code page 932 bytes to UTF-8, for showing the schedule outside Windows.
// Decodes all of code page 932 as Windows does, the NEC and IBM extensions
// and the user-defined area (to U+E000…U+E757) included, through glibc's
// "CP932" converter. Bytes that are no CP932 character become U+FFFD.
#pragma once

#include <string_view>

// Opens the converter; call once before converting. False when the C
// library has no CP932 converter.
bool openCp932Decoder();

// Converts text into out. Every CP932 byte turns into at most three UTF-8
// bytes, so a capacity of three times the text's length always suffices;
// with less, the result stops at the last whole character that fits.
// Returns the number of bytes written (no NUL is added).
int cp932ToUtf8(std::string_view text, char* out, int capacity);
