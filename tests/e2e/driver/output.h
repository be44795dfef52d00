// UTF-8 output of the driver. Wine hands a console program's output to a Unix
// pipe as raw bytes, so the driver writes UTF-8 itself.
#pragma once

#include <windows.h>

void out(const char* ascii);
void outf(const char* format, ...);
// Writes text as UTF-8 with backslash, CR and LF escaped (\\, \r, \n), so
// that every value stays on one line of output.
void outWide(const wchar_t* text);
// Writes text as space-less hex of its UTF-16 units, e.g. 30d030fc.
void outHex(const wchar_t* text);
