// Mouse and key input as the user gives it: messages posted to the board, as
// the system queues them, and real key strokes through SendInput.
#pragma once

#include <windows.h>

// Posts a mouse message at client point (x, y) with the given key state.
bool postMouse(HWND window, UINT message, int x, int y, WPARAM keys);
// Posts WM_KEYDOWN and WM_KEYUP of a virtual key.
bool postKey(HWND window, UINT virtualKey);
// Types a key through SendInput: it reaches the foreground window's focus
// through the system's input queue and is translated like a key press.
bool sendKey(UINT virtualKey);
// True while the thread of window runs the system move or size loop.
bool inMoveLoop(HWND window);
// Waits up to ms milliseconds for the move loop to be entered (want true)
// or left (want false).
bool waitMoveLoop(HWND window, bool want, int ms);
// Virtual key from a name: return, escape, space, tab, left, right, up,
// down, or a number.
UINT virtualKeyByName(const char* name);
