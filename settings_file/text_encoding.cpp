#include "settings_file/text_encoding.h"

#include "settings_file/platform.h"
#include "settings_file/settings_text.h"

namespace {

// A file of at most kSettingsFileMaxBytes bytes never makes more UTF-16
// units than it has bytes: UTF-16 takes two a unit, UTF-8 at least one.
constexpr int kWideTextUnits = kSettingsFileMaxBytes;
char16_t wideText[kWideTextUnits];

// Stands for a character CP932 lacks; the platform's converter turns it
// into "?" and reports the loss like any other.
constexpr char16_t kLacking = u'\uFFFD';

// One unit for each character: one beyond the BMP, which CP932 lacks
// anyway, becomes a single "?", as does a lone surrogate.
char16_t unitOf(char32_t code)
{
    if (code > 0xFFFF || (code >= 0xD800 && code <= 0xDFFF)) return kLacking;
    return static_cast<char16_t>(code);
}

// Latin-1, or a character CP932 has (Greek, Cyrillic): what a two-byte
// sequence of a user's UTF-8 file holds. Pairs of CP932 half-width
// katakana read as UTF-8 mostly give other characters (ﾈｺ gives U+023A).
bool isLikelyTyped(char32_t code)
{
    if (code >= 0xA0 && code <= 0xFF) return true;
    const char16_t unit = unitOf(code);
    char form[2];
    bool lossy = false;
    settingsPlatform.utf16ToCp932(&unit, 1, form, sizeof form, &lossy);
    return !lossy;
}

bool startsWith(const unsigned char* bytes, int length, const char* mark, int markLength)
{
    if (length < markLength) return false;
    for (int i = 0; i < markLength; ++i)
        if (bytes[i] != static_cast<unsigned char>(mark[i])) return false;
    return true;
}

bool isTrail(unsigned char byte, unsigned char low = 0x80, unsigned char high = 0xBF)
{
    return byte >= low && byte <= high;
}

// The length of the well-formed UTF-8 sequence at bytes[at] (1 to 4), with
// its code point in *code, or 0: no overlong forms, no surrogates, nothing
// above U+10FFFF.
int utf8Sequence(const unsigned char* bytes, int at, int length, char32_t* code)
{
    const unsigned char lead = bytes[at];
    const int left = length - at;
    if (lead < 0x80) {
        *code = lead;
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF && left >= 2 && isTrail(bytes[at + 1])) {
        *code = (lead & 0x1Fu) << 6 | (bytes[at + 1] & 0x3Fu);
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF && left >= 3) {
        const unsigned char low = lead == 0xE0 ? 0xA0 : 0x80;
        const unsigned char high = lead == 0xED ? 0x9F : 0xBF;
        if (!isTrail(bytes[at + 1], low, high) || !isTrail(bytes[at + 2])) return 0;
        *code = (lead & 0x0Fu) << 12 | (bytes[at + 1] & 0x3Fu) << 6 | (bytes[at + 2] & 0x3Fu);
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4 && left >= 4) {
        const unsigned char low = lead == 0xF0 ? 0x90 : 0x80;
        const unsigned char high = lead == 0xF4 ? 0x8F : 0xBF;
        if (!isTrail(bytes[at + 1], low, high) || !isTrail(bytes[at + 2]) || !isTrail(bytes[at + 3])) return 0;
        *code = (lead & 0x07u) << 18 | (bytes[at + 1] & 0x3Fu) << 12 | (bytes[at + 2] & 0x3Fu) << 6
            | (bytes[at + 3] & 0x3Fu);
        return 4;
    }
    return 0;
}

// Valid as a whole, with at least one sequence of three or four bytes and
// two-byte ones only of characters a user types: what a CP932 text hardly
// ever is.
bool looksLikeUtf8(const unsigned char* bytes, int length)
{
    bool longSequence = false;
    for (int at = 0; at < length;) {
        char32_t code;
        const int n = utf8Sequence(bytes, at, length, &code);
        if (n == 0 || (n == 2 && !isLikelyTyped(code))) return false;
        longSequence = longSequence || n > 2;
        at += n;
    }
    return longSequence;
}

// Decoders into wideText; each returns the number of units. A byte that
// starts no valid sequence stands for one lacking character.
int decodeUtf8(const unsigned char* bytes, int length)
{
    int units = 0;
    for (int at = 0; at < length;) {
        char32_t code = kLacking;
        const int n = utf8Sequence(bytes, at, length, &code);
        wideText[units++] = n == 0 ? kLacking : unitOf(code);
        at += n == 0 ? 1 : n;
    }
    return units;
}

int decodeUtf16(const unsigned char* bytes, int length, bool bigEndian)
{
    const auto unitAt = [&](int at) {
        return static_cast<char16_t>(bigEndian ? bytes[at] << 8 | bytes[at + 1] : bytes[at + 1] << 8 | bytes[at]);
    };
    int units = 0;
    int at = 0;
    for (; at + 1 < length; at += 2) {
        const char16_t unit = unitAt(at);
        // A surrogate pair is one character beyond the BMP: one "?".
        if (unit >= 0xD800 && unit <= 0xDBFF && at + 3 < length) {
            const char16_t next = unitAt(at + 2);
            if (next >= 0xDC00 && next <= 0xDFFF) at += 2;
        }
        wideText[units++] = unitOf(unit);
    }
    if (at < length) wideText[units++] = kLacking;  // half a unit at the end
    return units;
}

}  // namespace

Cp932Conversion convertSettingsTextToCp932(char* text, int length)
{
    const unsigned char* bytes = reinterpret_cast<const unsigned char*>(text);
    int units = 0;
    TextEncoding source = TextEncoding::cp932;
    if (startsWith(bytes, length, "\xFF\xFE", 2)) {
        source = TextEncoding::utf16le;
        units = decodeUtf16(bytes + 2, length - 2, false);
    } else if (startsWith(bytes, length, "\xFE\xFF", 2)) {
        source = TextEncoding::utf16be;
        units = decodeUtf16(bytes + 2, length - 2, true);
    } else if (startsWith(bytes, length, "\xEF\xBB\xBF", 3)) {
        source = TextEncoding::utf8;
        units = decodeUtf8(bytes + 3, length - 3);
    } else if (looksLikeUtf8(bytes, length)) {
        source = TextEncoding::utf8;
        units = decodeUtf8(bytes, length);
    } else {
        return {TextEncoding::cp932, false, length};
    }
    // CP932 takes at most two bytes for a unit, and no more than the unit
    // took in the file, so the text fits where the file's bytes were.
    bool lossy = false;
    const int converted = settingsPlatform.utf16ToCp932(wideText, units, text, length, &lossy);
    return {source, lossy, converted};
}
