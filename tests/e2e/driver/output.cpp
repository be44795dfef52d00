#include "output.h"

#include <stdarg.h>
#include <stdio.h>

namespace {
void writeBytes(const char* bytes, int length)
{
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes, (DWORD)length, &written, nullptr);
}
}  // namespace

void out(const char* ascii) { writeBytes(ascii, lstrlenA(ascii)); }

void outf(const char* format, ...)
{
    char line[512];
    va_list args;
    va_start(args, format);
    int n = vsnprintf(line, sizeof line, format, args);
    va_end(args);
    if (n < 0) return;
    if (n >= (int)sizeof line) n = (int)sizeof line - 1;
    writeBytes(line, n);
}

void outWide(const wchar_t* text)
{
    char utf8[8];
    for (const wchar_t* p = text; *p; ++p) {
        if (*p == L'\\') {
            out("\\\\");
            continue;
        }
        if (*p == L'\r') {
            out("\\r");
            continue;
        }
        if (*p == L'\n') {
            out("\\n");
            continue;
        }
        int units = (IS_HIGH_SURROGATE(*p) && IS_LOW_SURROGATE(p[1])) ? 2 : 1;
        int n = WideCharToMultiByte(CP_UTF8, 0, p, units, utf8, sizeof utf8, nullptr, nullptr);
        if (n > 0) writeBytes(utf8, n);
        p += units - 1;
    }
}

void outHex(const wchar_t* text)
{
    for (const wchar_t* p = text; *p; ++p) outf("%04x", (unsigned)*p);
}
