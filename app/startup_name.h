// The text side of the shortcut that starts a board with Windows: its file
// name, chosen from the board's folder, and the paths it is compared by.
// Plain UTF-16 in wchar_t (as Windows gives it), so that Japanese folder
// names pass untouched; no window system, so the tests run natively.
#pragma once

// A path of the Startup folder, a shortcut in it, the program or a folder
// (MAX_PATH: what the shell's link object holds).
constexpr int kStartupPathChars = 260;
// "Notavex - 予定表 (2).lnk", "… (3).lnk" and so on up to this one.
constexpr int kStartupNameAttempts = 99;

// A piece of a path: text[0..length), not NUL-terminated.
struct PathSpan {
    const wchar_t* text;
    int length;
};

// Path as it is compared: without the quotes a shortcut's fields may carry
// and without trailing backslashes, so "C:\a\", "\"C:\a\"" and "C:\a" agree.
PathSpan barePath(const wchar_t* path);

// Whether the Startup folder already holds a file of that name.
using StartupNameTaken = bool (*)(const wchar_t* name, void* context);

// Writes into out (room characters, NUL included) the first file name that
// is not taken of "Notavex - <last name of folder>.lnk", then "… (2).lnk",
// "… (3).lnk"; the folder's name is cut to fit room, never inside a
// surrogate pair, and loses the characters a file name cannot hold (a drive
// root "C:\" gives "C"). False when every attempt is taken or room is too
// small for any name.
bool chooseStartupName(const wchar_t* folder, int room, StartupNameTaken taken, void* context, wchar_t* out);

// folder + "\" + name into out (outChars, NUL included); false, with out
// empty, when it does not fit.
bool joinPath(const wchar_t* folder, const wchar_t* name, wchar_t* out, int outChars);
