// The board at a display scale: every size and place that the window, the
// paint and the artwork generator take from the DPI, worked out here in one
// place from the 96-DPI layout. Plain integers, no window system.
#pragma once

#include "layout/board_layout.h"

constexpr int kBaseDpi = 96;
// The scales Windows offers run from 100 % to 500 %; anything outside is
// taken as the nearest of those ends.
constexpr int kLowestDpi = kBaseDpi;
constexpr int kHighestDpi = 5 * kBaseDpi;

// The board pictures drawn for a scale: 100 % to 200 % by quarters. A scale
// between two steps shows the larger one scaled down; above the last, the
// last one scaled up.
constexpr int kPictureSteps = 5;
constexpr int kPictureStepDpi[kPictureSteps] = {96, 120, 144, 168, 192};

// value * dpi / 96, rounded to the nearest with halves away from zero, as
// Windows' MulDiv rounds. In the header, so that sizes can be constants.
constexpr int scaleToDpi(int value, int dpi)
{
    const long long product = static_cast<long long>(value) * dpi;
    const long long half = product < 0 ? -kBaseDpi / 2 : kBaseDpi / 2;
    return static_cast<int>((product + half) / kBaseDpi);
}

// The index in kPictureStepDpi of the picture a board of this DPI shows.
int pictureStepForDpi(int dpi);

struct BoardSize {
    int width;
    int height;
};

// The window's dialog frame on each side of the board, as the system gives
// it for one DPI.
struct BoardFrame {
    int x;
    int y;
};

// The window and its place on the screen.
struct BoardWindowBox {
    int left;
    int top;
    int width;
    int height;
};

// The visible board (the picture, the window's client area) at a DPI: what
// must stand on one monitor.
BoardSize boardVisibleSize(int dpi);
// The whole window at a DPI, frame included: the answer to
// WM_GETDPISCALEDSIZE.
BoardSize boardOuterSize(int dpi, BoardFrame frame);

struct BoardScale {
    int dpi;
    int width;  // the visible board
    int height;
    int pictureStep;  // see pictureStepForDpi
    int writingX;
    int writingY;
    int writingWidth;
    int writingHeight;
    int markOffset;
    int lineFontHeight;  // the tallest at which kWritingColumns characters fit
    int weekdayFontHeight;
    int monthY;
    int dayY;
    int oneDigitX;
    int twoDigitX;
    int weekdayX;
    int weekdayY;
};

BoardScale boardScaleForDpi(int dpi);

enum class BoardDay { Today, Tomorrow };

// The top of line k (0 for the first) of a day.
int boardLineY(const BoardScale& scale, BoardDay day, int line);

// The window whose visible board has its top-left corner at (winX, winY).
BoardWindowBox boardWindowBox(int winX, int winY, const BoardScale& scale, BoardFrame frame);
