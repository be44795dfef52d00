// Finding the board window and telling where it is.
#pragma once

#include <windows.h>

// The board: the top-level window of class "Notavex", or null; the one
// chosen by --board when more than one runs.
HWND findBoard();
void chooseBoard(HWND board);
// Waits up to ms milliseconds for the board to exist (and to be visible
// when visible is true: the boxes of window creation come while it is hidden).
HWND waitBoard(int ms, bool visible);
// Waits up to ms milliseconds for the board window to be gone.
bool waitBoardGone(int ms);
// Screen position of the board's client origin, the visible board's corner.
POINT clientOrigin(HWND window);
// Prints the window handle, outer rectangle, client origin and size, and the
// extended style, one item a line.
void printWindow(const char* what, HWND window);
