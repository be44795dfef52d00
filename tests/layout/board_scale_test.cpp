// The board at each display scale: what the window, the paint and the
// answer to Windows' size question are given. Moves between monitors and
// the sizes Windows asks for cannot be shown under Wine; they are here.
#include "layout/board_scale.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using Row = std::array<int, 12>;

// DPI: width, height, picture step, writing area x, y, width, height, line
// and weekday font heights, mark offset, top of today's third line and of
// tomorrow's first.
const std::pair<int, Row> kScaleRows[] = {
    {96, {250, 100, 0, 35, 5, 185, 80, 12, 10, 1, 31, 46}},   // as the board has always been
    {108, {281, 113, 1, 39, 6, 208, 90, 12, 11, 1, 35, 52}},  // 112.5 %: 14 would not fit 30 characters
    {120, {313, 125, 1, 44, 6, 231, 100, 14, 13, 1, 39, 58}}, {144, {375, 150, 2, 53, 8, 278, 120, 18, 15, 2, 47, 69}},
    {168, {438, 175, 3, 61, 9, 324, 140, 20, 18, 2, 54, 81}}, {192, {500, 200, 4, 70, 10, 370, 160, 24, 20, 2, 62, 92}},
    {240, {625, 250, 4, 88, 13, 463, 200, 30, 25, 3, 78, 115}},     // the 200 % picture scaled up
    {0, {250, 100, 0, 35, 5, 185, 80, 12, 10, 1, 31, 46}},          // no DPI known, or below 100 %
    {960, {1250, 500, 4, 175, 25, 925, 400, 60, 50, 5, 155, 230}},  // above 500 %: as at 500 %
};

TEST(BoardScale, SizesPlacesAndFontsAtEachDpi)
{
    for (const auto& [dpi, want] : kScaleRows) {
        const BoardScale s = boardScaleForDpi(dpi);
        const Row got = {s.width, s.height, s.pictureStep, s.writingX, s.writingY, s.writingWidth, s.writingHeight,
            s.lineFontHeight, s.weekdayFontHeight, s.markOffset, boardLineY(s, BoardDay::Today, 2),
            boardLineY(s, BoardDay::Tomorrow, 0)};
        EXPECT_EQ(got, want) << dpi;
        const BoardSize visible = boardVisibleSize(dpi);
        EXPECT_EQ((std::array<int, 2>{visible.width, visible.height}), (std::array<int, 2>{want[0], want[1]})) << dpi;
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

// The window for a stored corner, and the size Windows is told on a move to
// a monitor of another scale (WM_GETDPISCALEDSIZE), with the system's frame.
TEST(BoardScale, WindowAroundTheBoardAtEachDpi)
{
    // DPI, frame x and y, winX, winY: the window's left, top, width, height.
    const std::pair<std::array<int, 5>, std::array<int, 4>> rows[] = {
        {{96, 3, 3, 40, 330}, {37, 327, kBoardOuterWidth, kBoardOuterHeight}},
        {{192, 6, 6, 1920, -200}, {1914, -206, 512, 212}},
        {{120, 4, 5, 0, 0}, {-4, -5, 321, 135}},
    };
    for (const auto& [in, want] : rows) {
        const BoardFrame frame = {in[1], in[2]};
        const BoardWindowBox box = boardWindowBox(in[3], in[4], boardScaleForDpi(in[0]), frame);
        const BoardSize outer = boardOuterSize(in[0], frame);
        EXPECT_EQ((std::array<int, 4>{box.left, box.top, box.width, box.height}), want) << in[0];
        EXPECT_EQ((std::array<int, 2>{outer.width, outer.height}), (std::array<int, 2>{want[2], want[3]})) << in[0];
    }
}

}  // namespace
