// Character boundaries in code page 932 (Shift-JIS) byte strings. Every
// length in the program counts bytes; where a text must be cut to fit a
// buffer, it is cut back to a whole character so that no double-byte
// character loses its second byte.
#pragma once

#include <string_view>

// First byte of a double-byte character: 81..9F or E0..FC.
constexpr bool isCp932LeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// Second byte of a double-byte character: 40..7E or 80..FC. Never CR, LF,
// NUL or any other ASCII control byte.
constexpr bool isCp932TrailByte(unsigned char byte)
{
    return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
}

// The length of the longest start of text that holds at most maxBytes bytes
// and ends on a character boundary. Characters are read from the first byte:
// a lead byte followed by a trail byte is one character of two bytes; any
// other byte, a lead byte without its trail included, is one byte. A
// negative maxBytes counts as 0.
constexpr int cp932FitLength(std::string_view text, int maxBytes)
{
    const int length = static_cast<int>(text.size());
    const int limit = maxBytes < length ? maxBytes : length;
    int at = 0;
    while (at < limit) {
        int step = 1;
        if (isCp932LeadByte(static_cast<unsigned char>(text[at])) && at + 1 < length
            && isCp932TrailByte(static_cast<unsigned char>(text[at + 1])))
            step = 2;
        if (at + step > limit) break;
        at += step;
    }
    return at;
}

// Copies text into out (outSize bytes, NUL included), cut back to a whole
// character when it does not fit, and terminates it. Returns the number of
// bytes copied, without the NUL. Nothing is written when outSize is 0 or less.
int cp932CopyFit(char* out, int outSize, std::string_view text);

// Characters that Japanese encodings spell two ways, and the form that
// Windows' CP932 table reads back from the one CP932 character both mean:
// a text typed or saved with the other form is kept as that character.
struct Cp932Twin {
    char16_t other;
    char16_t windowsForm;
};
constexpr Cp932Twin kCp932Twins[] = {
    {u'\u301C', u'\uFF5E'},  // wave dash, 81 60
    {u'\u2212', u'\uFF0D'},  // minus, 81 7C
    {u'\u2016', u'\u2225'},  // double vertical line, 81 61
    {u'\u00A2', u'\uFFE0'},  // cent, 81 91
    {u'\u00A3', u'\uFFE1'},  // pound, 81 92
    {u'\u00AC', u'\uFFE2'},  // not, 81 CA
};

// The unit Windows' table converts for unit: its twin's form, or itself.
constexpr char16_t windowsFormOf(char16_t unit)
{
    for (const Cp932Twin& twin : kCp932Twins)
        if (twin.other == unit) return twin.windowsForm;
    return unit;
}
