#include "layout/board_scale.h"

namespace {

int usableDpi(int dpi)
{
    if (dpi < kLowestDpi) return kLowestDpi;
    if (dpi > kHighestDpi) return kHighestDpi;
    return dpi;
}

// The board font is fixed pitch: a single-byte character is half the cell
// height wide, rounded up where the face rounds that way. Below the scaled
// height where the longest line would run past the writing area.
int lineFontHeightFor(int dpi, int writingWidth)
{
    int height = scaleToDpi(kLineFontHeight, dpi);
    while (height > 1 && kWritingColumns * ((height + 1) / 2) > writingWidth) --height;
    return height;
}

}  // namespace

int pictureStepForDpi(int dpi)
{
    for (int step = 0; step < kPictureSteps; ++step)
        if (kPictureStepDpi[step] >= dpi) return step;
    return kPictureSteps - 1;
}

BoardSize boardVisibleSize(int dpi)
{
    const int usable = usableDpi(dpi);
    return {scaleToDpi(kBoardPictureWidth, usable), scaleToDpi(kBoardPictureHeight, usable)};
}

BoardSize boardOuterSize(int dpi, BoardFrame frame)
{
    const BoardSize visible = boardVisibleSize(dpi);
    return {visible.width + 2 * frame.x, visible.height + 2 * frame.y};
}

BoardScale boardScaleForDpi(int dpi)
{
    const int d = usableDpi(dpi);
    const BoardSize size = boardVisibleSize(d);
    BoardScale s{};
    s.dpi = d;
    s.width = size.width;
    s.height = size.height;
    s.pictureStep = pictureStepForDpi(d);
    s.writingX = scaleToDpi(kWritingX, d);
    s.writingY = scaleToDpi(kWritingY, d);
    s.writingWidth = scaleToDpi(kWritingWidth, d);
    s.writingHeight = scaleToDpi(kWritingHeight, d);
    s.markOffset = scaleToDpi(kMarkOffset, d);
    s.lineFontHeight = lineFontHeightFor(d, s.writingWidth);
    s.weekdayFontHeight = scaleToDpi(kWeekdayFontHeight, d);
    s.monthY = scaleToDpi(kMonthY, d);
    s.dayY = scaleToDpi(kDayY, d);
    s.oneDigitX = scaleToDpi(kOneDigitX, d);
    s.twoDigitX = scaleToDpi(kTwoDigitX, d);
    s.weekdayX = scaleToDpi(kWeekdayX, d);
    s.weekdayY = scaleToDpi(kWeekdayY, d);
    return s;
}

int boardLineY(const BoardScale& scale, BoardDay day, int line)
{
    const int first = day == BoardDay::Today ? kTodayLineY : kTomorrowLineY;
    return scaleToDpi(first + kLineStep * line, scale.dpi);
}

BoardWindowBox boardWindowBox(int winX, int winY, const BoardScale& scale, BoardFrame frame)
{
    return {winX - frame.x, winY - frame.y, scale.width + 2 * frame.x, scale.height + 2 * frame.y};
}
