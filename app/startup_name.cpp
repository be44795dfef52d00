#include "app/startup_name.h"

namespace {

constexpr wchar_t kNamePrefix[] = L"Notavex";
constexpr wchar_t kFolderSeparator[] = L" - ";
constexpr wchar_t kLinkExtension[] = L".lnk";
// " (99)": the longest number an attempt adds.
constexpr int kAttemptChars = 5;

int textLength(const wchar_t* text)
{
    int length = 0;
    while (text[length] != L'\0') ++length;
    return length;
}

// Copies text to out + at while it fits below limit; returns the new end.
int put(wchar_t* out, int at, int limit, const wchar_t* text, int length)
{
    for (int i = 0; i < length && at < limit; ++i) out[at++] = text[i];
    return at;
}

bool isHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }

bool fitsFileName(wchar_t c)
{
    if (c < 0x20) return false;
    for (const wchar_t* bad = L"\\/:*?\"<>|"; *bad != L'\0'; ++bad)
        if (c == *bad) return false;
    return true;
}

// The folder's last name, the characters a file name cannot hold left out,
// into out (up to capacity characters, no NUL); returns its length.
int lastName(const wchar_t* folder, wchar_t* out, int capacity)
{
    const PathSpan bare = barePath(folder);
    int start = bare.length;
    while (start > 0 && bare.text[start - 1] != L'\\') --start;
    int length = 0;
    for (int i = start; i < bare.length && length < capacity; ++i)
        if (fitsFileName(bare.text[i])) out[length++] = bare.text[i];
    return length;
}

}  // namespace

PathSpan barePath(const wchar_t* path)
{
    int length = textLength(path);
    if (length >= 2 && path[0] == L'"' && path[length - 1] == L'"') {
        ++path;
        length -= 2;
    }
    while (length > 0 && path[length - 1] == L'\\') --length;
    return {path, length};
}

bool chooseStartupName(const wchar_t* folder, int room, StartupNameTaken taken, void* context, wchar_t* out)
{
    wchar_t name[kStartupPathChars];
    int nameLength = lastName(folder, name, kStartupPathChars);
    const int fixedLength = textLength(kNamePrefix) + (nameLength > 0 ? textLength(kFolderSeparator) : 0)
        + kAttemptChars + textLength(kLinkExtension);
    // Cut once, with room for the longest number, so that every attempt
    // keeps the same folder name; room counts the NUL.
    const int nameRoom = room - 1 - fixedLength;
    if (nameRoom < (nameLength > 0 ? 1 : 0)) return false;
    if (nameLength > nameRoom) {
        nameLength = nameRoom;
        if (isHighSurrogate(name[nameLength - 1])) --nameLength;
        if (nameLength == 0) return false;
    }
    for (int attempt = 1; attempt <= kStartupNameAttempts; ++attempt) {
        int at = put(out, 0, room, kNamePrefix, textLength(kNamePrefix));
        if (nameLength > 0) {
            at = put(out, at, room, kFolderSeparator, textLength(kFolderSeparator));
            at = put(out, at, room, name, nameLength);
        }
        if (attempt > 1) {
            wchar_t number[kAttemptChars] = {L' ', L'('};
            int digits = 2;
            if (attempt >= 10) number[digits++] = static_cast<wchar_t>(L'0' + attempt / 10);
            number[digits++] = static_cast<wchar_t>(L'0' + attempt % 10);
            number[digits++] = L')';
            at = put(out, at, room, number, digits);
        }
        at = put(out, at, room, kLinkExtension, textLength(kLinkExtension));
        out[at] = L'\0';
        if (!taken(out, context)) return true;
    }
    out[0] = L'\0';
    return false;
}

bool joinPath(const wchar_t* folder, const wchar_t* name, wchar_t* out, int outChars)
{
    const int folderLength = textLength(folder);
    const int nameLength = textLength(name);
    if (folderLength + 1 + nameLength >= outChars) {
        if (outChars > 0) out[0] = L'\0';
        return false;
    }
    int at = put(out, 0, outChars, folder, folderLength);
    out[at++] = L'\\';
    at = put(out, at, outChars, name, nameLength);
    out[at] = L'\0';
    return true;
}
