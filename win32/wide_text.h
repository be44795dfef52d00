// The one door between the program's CP932 byte strings and the UTF-16 that
// the W functions of Windows take. Converting here, rather than calling the A
// functions, keeps Japanese text readable on a Windows whose ANSI code page
// is not 932. Every limit of the program still counts CP932 bytes.
#pragma once

#include <windows.h>

constexpr UINT kProgramCodePage = 932;

// Converts a NUL-terminated CP932 string into out (outChars wide characters,
// NUL included); the result is cut short rather than overrun. Returns the
// number of characters written, without the NUL.
int toWide(const char* text, wchar_t* out, int outChars);
// Converts length bytes of CP932 text (no NUL needed).
int toWideN(const char* text, int length, wchar_t* out, int outChars);
// Converts a NUL-terminated UTF-16 string into CP932 bytes in out (outBytes,
// NUL included), never splitting a double-byte character. Characters with no
// CP932 form become what Windows makes of them. Returns the bytes written.
int fromWide(const wchar_t* text, char* out, int outBytes);
// Converts length UTF-16 units into CP932 bytes in out (outBytes; no NUL
// added) without best fit: a character whose CP932 form would not read back
// as itself becomes "?", and *lossy tells whether any did. Returns the bytes
// written, or 0 when they do not fit.
int fromWideExact(const wchar_t* text, int length, char* out, int outBytes, bool* lossy);

// MessageBoxW with CP932 text and caption.
int messageBox932(HWND owner, const char* text, const char* caption, UINT type);
