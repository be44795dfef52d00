#include "win32/wide_text.h"

#include "text/cp932.h"

#include <cstring>

namespace {
// The overflow box is the longest text the program shows: 64 KiB of CP932
// is at most 64 Ki UTF-16 units.
constexpr int kBoxTextChars = 65536;
constexpr int kBoxCaptionChars = 256;
wchar_t boxText[kBoxTextChars];
wchar_t boxCaption[kBoxCaptionChars];
}  // namespace

int toWideN(const char* text, int length, wchar_t* out, int outChars)
{
    if (outChars <= 0) return 0;
    // A CP932 byte never makes more than one UTF-16 unit, so a text cut back
    // to outChars - 1 bytes on a whole character always fits.
    if (length > outChars - 1) length = cp932FitLength(std::string_view(text, length), outChars - 1);
    const int n = length > 0 ? MultiByteToWideChar(kProgramCodePage, 0, text, length, out, outChars - 1) : 0;
    out[n] = L'\0';
    return n;
}

int toWide(const char* text, wchar_t* out, int outChars) { return toWideN(text, lstrlenA(text), out, outChars); }

namespace {

// Converted a run at a time: a run is mapped to the twins' forms in a
// buffer of its own, and converted whole unless it holds a character CP932
// lacks.
constexpr int kRunUnits = 256;

bool isHighSurrogate(wchar_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool isLowSurrogate(wchar_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// One character of the run at at: 1 unit, or 2 for a surrogate pair.
int unitsOfCharacter(const wchar_t* text, int at, int length)
{
    return isHighSurrogate(text[at]) && at + 1 < length && isLowSurrogate(text[at + 1]) ? 2 : 1;
}

char32_t codePointAt(const wchar_t* text, int at, int units)
{
    if (units == 1) return static_cast<char16_t>(text[at]);
    return 0x10000 + ((static_cast<char32_t>(text[at]) - 0xD800) << 10)
        + (static_cast<char32_t>(text[at + 1]) - 0xDC00);
}

// CP932 of units without best fit, or -1 when some character has none.
int convertStrictly(const wchar_t* units, int count, char* out, int outBytes)
{
    BOOL usedDefault = FALSE;
    const int n =
        WideCharToMultiByte(kProgramCodePage, WC_NO_BEST_FIT_CHARS, units, count, out, outBytes, "?", &usedDefault);
    return n > 0 && !usedDefault ? n : -1;
}

}  // namespace

int fromWideExact(const wchar_t* text, int length, char* out, int outBytes, char32_t* refused)
{
    *refused = 0;
    wchar_t run[kRunUnits];
    char form[2 * kRunUnits];
    int written = 0;
    for (int at = 0; at < length;) {
        // A run ends before a character that would not fit whole in it.
        int count = 0;
        while (at + count < length) {
            const int units = unitsOfCharacter(text, at + count, length);
            if (count + units > kRunUnits) break;
            for (int u = 0; u < units; ++u) run[count + u] = windowsFormOf(text[at + count + u]);
            count += units;
        }
        int n = convertStrictly(run, count, form, sizeof form);
        if (n < 0) {
            // Character by character, to find the ones CP932 lacks.
            n = 0;
            for (int c = 0; c < count;) {
                const int units = unitsOfCharacter(run, c, count);
                const int one = convertStrictly(run + c, units, form + n, static_cast<int>(sizeof form) - n);
                if (one > 0) {
                    n += one;
                } else {
                    if (*refused == 0) *refused = codePointAt(run, c, units);
                    form[n++] = '?';
                }
                c += units;
            }
        }
        // Whole characters only: never the first byte of a pair alone.
        const int fits = cp932FitLength(std::string_view(form, static_cast<size_t>(n)), outBytes - written);
        std::memcpy(out + written, form, static_cast<size_t>(fits));
        written += fits;
        if (fits < n) break;
        at += count;
    }
    return written;
}

int fromWideExact(const wchar_t* text, char* out, int outBytes, char32_t* refused)
{
    if (outBytes <= 0) return 0;
    const int n = fromWideExact(text, lstrlenW(text), out, outBytes - 1, refused);
    out[n] = '\0';
    return n;
}

int messageBox932(HWND owner, const char* text, const char* caption, UINT type)
{
    toWide(text, boxText, kBoxTextChars);
    toWide(caption, boxCaption, kBoxCaptionChars);
    return MessageBoxW(owner, boxText, boxCaption, type);
}
