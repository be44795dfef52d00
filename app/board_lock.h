// One board per settings file. The lock is a file beside notavex.ini, held
// open without write sharing: the file system refuses a second holder
// however the folder's path is spelled, and also to a board of another
// session or PC on a network share.
#pragma once

#include <windows.h>

enum class BoardLock {
    Taken,
    HeldByAnother,
    // The folder cannot hold it (read-only): the board runs unguarded.
    Unavailable,
};

// The message a second start posts to the running board: show yourself.
constexpr wchar_t kShowBoardMessageName[] = L"Notavex.ShowBoard";

// First thing at start, before the settings file is read.
BoardLock takeBoardLock();
// Writes the board's window and this process into the lock, if one is held.
void recordBoardInLock(HWND board);
// A second start: lets the running board take the foreground and asks it
// to show itself. Touches nothing but the lock.
void showRunningBoard();
