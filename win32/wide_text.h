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
// Converts length UTF-16 units into CP932 bytes in out (outBytes; no NUL
// added), as many whole characters as fit. No best fit, which would turn a
// character CP932 lacks into a look-alike that reads back as something else
// (U+00A5 into the backslash): the six characters spelt two ways
// (kCp932Twins) become the CP932 character they stand for, and any other
// character CP932 lacks becomes "?", the first of them named in *refused
// (0 when there is none). Returns the bytes written.
int fromWideExact(const wchar_t* text, int length, char* out, int outBytes, char32_t* refused);
// The same for a NUL-terminated text, into a NUL-terminated string.
int fromWideExact(const wchar_t* text, char* out, int outBytes, char32_t* refused);

// MessageBoxW with CP932 text and caption.
int messageBox932(HWND owner, const char* text, const char* caption, UINT type);
