// The drawing objects of the board window and the paint routine that
// composes the board off-screen and copies it to the window.
#pragma once

#include "layout/board_scale.h"

#include <windows.h>

struct Calendar;
struct Schedule;

constexpr COLORREF colorRefOf(Rgb colour) { return RGB(colour.red, colour.green, colour.blue); }

struct BoardGraphics {
    // The scale the objects below were made for: every size and place the
    // paint uses.
    BoardScale scale;
    // The memory surface the board is composed on, over a bitmap of its own.
    HDC surface;
    HBITMAP surfaceBitmap;
    HGDIOBJ surfaceFirstBitmap;  // what the surface held when it was made
    // The board picture at the scale's size, held untouched in a second
    // memory surface so that each paint starts from a clean copy of it.
    HDC pictureSurface;
    HBITMAP picture;
    HGDIOBJ pictureSurfaceFirstBitmap;
    HFONT lineFont;
    HFONT weekdayFont;
    HBRUSH boardBrush;  // made anew by every paint; none before the first
};

extern BoardGraphics boardGraphics;

// Makes the drawing objects for a scale; the picture comes from instance.
void createBoardGraphics(HWND window, HINSTANCE instance, const BoardScale& scale);
// Answers WM_PAINT: composes and shows the board for the schedule on the
// calendar's days, then the overflow box when a day has more than three
// matches. Result 0.
int paintBoard(HWND window, const Schedule& schedule, const Calendar& calendar);
// Repaints at once without bringing the board to the front, as for a new
// day or a file changed outside; the overflow box still shows when due.
void repaintWithoutRaising(HWND window);
// Set while the overflow box of a paint is open.
extern bool overflowBoxOpen;
// Releases what createBoardGraphics and the paints made.
void releaseBoardGraphics();
