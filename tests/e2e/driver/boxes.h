// Popup menus, dialogs and message boxes of the board, as the user sees them.
#pragma once

#include <windows.h>

// A visible popup menu (class #32768), or null.
HWND findPopupMenu();
// The visible dialogs (class #32770, message boxes included) owned by owner,
// newest first as the window list gives them; returns how many were found.
int findOwnedDialogs(HWND owner, HWND* found, int capacity);
// Waits up to ms milliseconds for a dialog owned by owner.
HWND waitOwnedDialog(HWND owner, int ms);
// Prints caption, rectangles and every child control with its text.
void printDialog(HWND dialog);
// Presses the button with the given id (BM_CLICK, sent). False if no such button.
bool pressButton(HWND dialog, int id);
