// What the system says about the display's scale. The functions Windows 10
// (1607) brought for it are looked up at run time, so that the program still
// starts on Windows 7; there each answer falls back to the system's scale,
// which is then the only one.
#pragma once

#include <windows.h>

#include "layout/board_scale.h"

// The DPI the window is shown at: its monitor's, or the system's.
int windowDpi(HWND window);
// The frame the system draws around the window at a DPI.
BoardFrame frameForDpi(HWND window, int dpi);
// The system's DPI, the primary monitor's, and the board's frame at it:
// what a board placed before it has a window of its own is checked with.
int systemDpi();
BoardFrame systemFrame();
// The side of a small icon as the window's monitor shows it; the system's
// small icon size without a window.
int smallIconSizeFor(HWND window);
