// The board at each display scale: what the window, the paint and the
// answer to Windows' size question are given. Moves between monitors and
// the sizes Windows asks for cannot be shown under Wine; they are here.
#include "layout/board_scale.h"

#include <gtest/gtest.h>

namespace {

struct ScaleRow {
    int dpi;
    int width, height, pictureStep;
    int writingX, writingY, writingWidth, writingHeight;
    int lineFont, weekdayFont, markOffset;
    int todayThirdLineY, tomorrowFirstLineY;
};

const ScaleRow kScaleRows[] = {
    {96, 250, 100, 0, 35, 5, 185, 80, 12, 10, 1, 31, 46},   // as the board has always been
    {108, 281, 113, 1, 39, 6, 208, 90, 12, 11, 1, 35, 52},  // 112.5 %: 14 would not fit 30 characters
    {120, 313, 125, 1, 44, 6, 231, 100, 14, 13, 1, 39, 58}, {144, 375, 150, 2, 53, 8, 278, 120, 18, 15, 2, 47, 69},
    {168, 438, 175, 3, 61, 9, 324, 140, 20, 18, 2, 54, 81}, {192, 500, 200, 4, 70, 10, 370, 160, 24, 20, 2, 62, 92},
    {240, 625, 250, 4, 88, 13, 463, 200, 30, 25, 3, 78, 115},     // the 200 % picture scaled up
    {0, 250, 100, 0, 35, 5, 185, 80, 12, 10, 1, 31, 46},          // no DPI known, or below 100 %
    {960, 1250, 500, 4, 175, 25, 925, 400, 60, 50, 5, 155, 230},  // above 500 %: as at 500 %
};

TEST(BoardScale, SizesPlacesAndFontsAtEachDpi)
{
    for (const ScaleRow& r : kScaleRows) {
        SCOPED_TRACE(r.dpi);
        const BoardScale s = boardScaleForDpi(r.dpi);
        const int got[] = {s.width, s.height, s.pictureStep, s.writingX, s.writingY, s.writingWidth, s.writingHeight,
            s.lineFontHeight, s.weekdayFontHeight, s.markOffset, boardLineY(s, BoardDay::Today, 2),
            boardLineY(s, BoardDay::Tomorrow, 0)};
        const int want[] = {r.width, r.height, r.pictureStep, r.writingX, r.writingY, r.writingWidth, r.writingHeight,
            r.lineFont, r.weekdayFont, r.markOffset, r.todayThirdLineY, r.tomorrowFirstLineY};
        for (int i = 0; i < 12; ++i) EXPECT_EQ(got[i], want[i]) << "field " << i;
        EXPECT_EQ(boardVisibleSize(r.dpi).width, r.width);
        EXPECT_EQ(boardVisibleSize(r.dpi).height, r.height);
    }
}

// At every scale Windows offers, the longest line fits the writing area
// with the font's single-byte cells rounded up, the lines of a day do not
// run into each other, and the font is not needlessly small.
TEST(BoardScale, LongestLineFitsAtEveryDpi)
{
    for (int dpi = kLowestDpi; dpi <= kHighestDpi; ++dpi) {
        const BoardScale s = boardScaleForDpi(dpi);
        ASSERT_LE(kWritingColumns * ((s.lineFontHeight + 1) / 2), s.writingWidth) << dpi;
        ASSERT_LE(s.lineFontHeight, boardLineY(s, BoardDay::Today, 1) - boardLineY(s, BoardDay::Today, 0)) << dpi;
        ASSERT_GE(s.lineFontHeight, scaleToDpi(kLineFontHeight, dpi) - 2) << dpi;
    }
}

// The window around the board on a monitor of each scale: the size Windows
// is told (WM_GETDPISCALEDSIZE) and the window placed for a stored corner,
// both with the frame the system gives for that DPI.
TEST(BoardScale, WindowAroundTheBoardAtEachDpi)
{
    const struct {
        int dpi;
        BoardFrame frame;
        int winX, winY;
        BoardWindowBox box;
    } rows[] = {
        {96, {3, 3}, 40, 330, {37, 327, kBoardOuterWidth, kBoardOuterHeight}},
        {192, {6, 6}, 1920, -200, {1914, -206, 512, 212}},
        {120, {4, 5}, 0, 0, {-4, -5, 321, 135}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.dpi);
        const BoardWindowBox box = boardWindowBox(r.winX, r.winY, boardScaleForDpi(r.dpi), r.frame);
        EXPECT_EQ(box.left, r.box.left);
        EXPECT_EQ(box.top, r.box.top);
        EXPECT_EQ(box.width, r.box.width);
        EXPECT_EQ(box.height, r.box.height);
        EXPECT_EQ(boardOuterSize(r.dpi, r.frame).width, r.box.width);
        EXPECT_EQ(boardOuterSize(r.dpi, r.frame).height, r.box.height);
    }
}

}  // namespace
