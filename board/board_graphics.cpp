#include "board/board_graphics.h"

#include "resources/resource.h"
#include "win32/wide_text.h"

BoardGraphics boardGraphics;

namespace {

constexpr int kLineFontHeight = 12;
constexpr int kWeekdayFontHeight = 10;
constexpr int kFontWeight = 400;
// Fixed pitch, so that a single-byte character is 6 and a double-byte one 12
// pixels wide at height 12 and a 30-byte line fits the writing area.
constexpr char kBoardFontFace[] = "ＭＳ ゴシック";

HFONT createBoardFont(int height)
{
    wchar_t face[LF_FACESIZE];
    toWide(kBoardFontFace, face, LF_FACESIZE);
    return CreateFontW(
        height, 0, 0, 0, kFontWeight, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, 0, 0, 0, FIXED_PITCH | FF_MODERN, face);
}

}  // namespace

void createBoardGraphics(HWND window, HINSTANCE instance)
{
    BoardGraphics& g = boardGraphics;
    HDC screen = GetDC(window);
    g.surface = CreateCompatibleDC(screen);
    g.pictureSurface = CreateCompatibleDC(screen);
    // From the window's context, not a memory one, which would give a
    // one-bit bitmap.
    g.surfaceBitmap = CreateCompatibleBitmap(screen, kBoardPictureWidth, kBoardPictureHeight);
    ReleaseDC(window, screen);

    g.picture = LoadBitmapW(instance, MAKEINTRESOURCEW(IDB_BOARD));
    g.surfaceFirstBitmap = SelectObject(g.surface, g.surfaceBitmap);
    g.pictureSurfaceFirstBitmap = SelectObject(g.pictureSurface, g.picture);

    g.lineFont = createBoardFont(kLineFontHeight);
    g.weekdayFont = createBoardFont(kWeekdayFontHeight);
    g.boardBrush = nullptr;

    SetBkMode(g.surface, TRANSPARENT);
    SetTextAlign(g.surface, TA_LEFT | TA_TOP);
}

void releaseBoardGraphics()
{
    BoardGraphics& g = boardGraphics;
    // Give each surface back the bitmap it was made with, so that ours are
    // no longer selected when they are deleted.
    if (g.surface) SelectObject(g.surface, g.surfaceFirstBitmap);
    if (g.pictureSurface) SelectObject(g.pictureSurface, g.pictureSurfaceFirstBitmap);
    if (g.surface) DeleteDC(g.surface);
    if (g.pictureSurface) DeleteDC(g.pictureSurface);
    if (g.surfaceBitmap) DeleteObject(g.surfaceBitmap);
    if (g.picture) DeleteObject(g.picture);
    if (g.lineFont) DeleteObject(g.lineFont);
    if (g.weekdayFont) DeleteObject(g.weekdayFont);
    if (g.boardBrush) DeleteObject(g.boardBrush);
    g = BoardGraphics{};
}
