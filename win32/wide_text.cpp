#include "win32/wide_text.h"

#include "text/cp932.h"

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

int fromWide(const wchar_t* text, char* out, int outBytes)
{
    if (outBytes <= 0) return 0;
    int length = lstrlenW(text);
    int n = 0;
    // Drop characters from the end until the bytes fit, so that no
    // double-byte character is split.
    while (length > 0) {
        n = WideCharToMultiByte(kProgramCodePage, 0, text, length, out, outBytes - 1, nullptr, nullptr);
        if (n > 0) break;
        --length;
    }
    if (length == 0) n = 0;
    out[n] = '\0';
    return n;
}

int fromWideExact(const wchar_t* text, int length, char* out, int outBytes, bool* lossy)
{
    *lossy = false;
    if (length <= 0 || outBytes <= 0) return 0;
    // Best fit would turn characters CP932 lacks into look-alikes (U+00A5
    // into the backslash) that read back as something else.
    BOOL usedDefault = FALSE;
    const int n =
        WideCharToMultiByte(kProgramCodePage, WC_NO_BEST_FIT_CHARS, text, length, out, outBytes, "?", &usedDefault);
    *lossy = usedDefault != FALSE;
    return n;
}

int messageBox932(HWND owner, const char* text, const char* caption, UINT type)
{
    toWide(text, boxText, kBoxTextChars);
    toWide(caption, boxCaption, kBoxCaptionChars);
    return MessageBoxW(owner, boxText, boxCaption, type);
}
