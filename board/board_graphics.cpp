#include "board/board_graphics.h"

#include "resources/resource.h"
#include "schedule/store.h"
#include "win32/wide_text.h"

BoardGraphics boardGraphics;

namespace {

constexpr int kFontWeight = 400;
// Fixed pitch, so that a single-byte character is 6 and a double-byte one 12
// pixels wide at height 12 and a 30-byte line fits the writing area; the
// scale's heights keep that at every DPI.
constexpr char kBoardFontFace[] = "ＭＳ ゴシック";
static_assert(kWritingColumns == kMessageTextLimit, "the writing area must hold the longest message");

// The picture drawn for each step of kPictureStepDpi.
const int kPictureIds[kPictureSteps] = {IDB_BOARD, IDB_BOARD_125, IDB_BOARD_150, IDB_BOARD_175, IDB_BOARD_200};

HFONT createBoardFont(int height)
{
    wchar_t face[LF_FACESIZE];
    toWide(kBoardFontFace, face, LF_FACESIZE);
    return CreateFontW(
        height, 0, 0, 0, kFontWeight, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, 0, 0, 0, FIXED_PITCH | FF_MODERN, face);
}

// The picture at the board's size: the one drawn for the scale's step, or,
// between steps, the next larger one scaled down (above the last, the last
// scaled up). Scaled pixel by pixel, never blended, so that the key colour
// stays exact and no dark red shows around the corners.
HBITMAP loadPicture(HDC screen, HINSTANCE instance, const BoardScale& scale)
{
    HBITMAP drawn = LoadBitmapW(instance, MAKEINTRESOURCEW(kPictureIds[scale.pictureStep]));
    BITMAP size;
    if (!drawn || !GetObjectW(drawn, sizeof size, &size)) return drawn;
    if (size.bmWidth == scale.width && size.bmHeight == scale.height) return drawn;

    HBITMAP scaled = CreateCompatibleBitmap(screen, scale.width, scale.height);
    HDC from = CreateCompatibleDC(screen);
    HDC to = CreateCompatibleDC(screen);
    HGDIOBJ fromFirst = SelectObject(from, drawn);
    HGDIOBJ toFirst = SelectObject(to, scaled);
    SetStretchBltMode(to, COLORONCOLOR);
    StretchBlt(to, 0, 0, scale.width, scale.height, from, 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
    SelectObject(from, fromFirst);
    SelectObject(to, toFirst);
    DeleteDC(from);
    DeleteDC(to);
    DeleteObject(drawn);
    return scaled;
}

}  // namespace

void createBoardGraphics(HWND window, HINSTANCE instance, const BoardScale& scale)
{
    BoardGraphics& g = boardGraphics;
    g.scale = scale;
    HDC screen = GetDC(window);
    g.surface = CreateCompatibleDC(screen);
    g.pictureSurface = CreateCompatibleDC(screen);
    // From the window's context, not a memory one, which would give a
    // one-bit bitmap.
    g.surfaceBitmap = CreateCompatibleBitmap(screen, scale.width, scale.height);
    g.picture = loadPicture(screen, instance, scale);
    ReleaseDC(window, screen);

    g.surfaceFirstBitmap = SelectObject(g.surface, g.surfaceBitmap);
    g.pictureSurfaceFirstBitmap = SelectObject(g.pictureSurface, g.picture);

    g.lineFont = createBoardFont(scale.lineFontHeight);
    g.weekdayFont = createBoardFont(scale.weekdayFontHeight);
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
