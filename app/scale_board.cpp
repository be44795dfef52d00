// The board built for a display scale, at start and whenever Windows moves
// it to a monitor of another scale.
#include "app/board_window.h"
#include "win32/display_dpi.h"
#include "board/board_graphics.h"

namespace {

// The frame around the board at its current scale.
BoardFrame frame = {0, 0};

// The board is exactly the client area: cutting the window to it hides the
// frame. Once per scale, here: setting the region with a redraw during a
// paint would ask for another paint. The region belongs to the window once
// it is set.
void cutWindowToClientArea(HWND window, const BoardScale& scale)
{
    HRGN region = CreateRectRgn(frame.x, frame.y, frame.x + scale.width, frame.y + scale.height);
    if (!SetWindowRgn(window, region, FALSE)) DeleteObject(region);
}

}  // namespace

POINT boardFrameOffset() { return {frame.x, frame.y}; }

void buildBoardForDpi(HWND window, int dpi)
{
    const BoardScale scale = boardScaleForDpi(dpi);
    frame = frameForDpi(window, dpi);
    releaseBoardGraphics();
    createBoardGraphics(window, reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE)), scale);
    cutWindowToClientArea(window, scale);
}

LRESULT onGetDpiScaledSize(HWND window, WPARAM wParam, LPARAM lParam)
{
    const int dpi = static_cast<int>(wParam);
    const BoardSize outer = boardOuterSize(dpi, frameForDpi(window, dpi));
    SIZE* size = reinterpret_cast<SIZE*>(lParam);
    size->cx = outer.width;
    size->cy = outer.height;
    return TRUE;
}

LRESULT onDpiChanged(HWND window, WPARAM wParam, LPARAM lParam)
{
    // Closed already: nothing is drawn any more.
    if (!boardGraphics.surface) return 0;
    buildBoardForDpi(window, HIWORD(wParam));
    const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
    SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
        suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    repaintWithoutRaising(window);
    return 0;
}
