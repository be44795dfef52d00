// The board's geometry and colours as plain integers: the one place for
// what the file layer, the window, the paint and the artwork generator all
// rely on. The Win32 side makes its COLORREFs from these.
#pragma once

#include <cstdint>

// The board picture (bitmap 104), which is the visible board: its top-left
// corner is the stored position (winX, winY).
constexpr int kBoardPictureWidth = 250;
constexpr int kBoardPictureHeight = 100;
// The window around it, its dialog frame included.
constexpr int kBoardOuterWidth = 256;
constexpr int kBoardOuterHeight = 106;

// Everything below is in pixels of the board at 96 DPI (100 %);
// layout/board_scale.h gives them at other scales.

// The writing area, which each paint fills, and the lines of the two days.
constexpr int kWritingX = 35;
constexpr int kWritingY = 5;
constexpr int kWritingWidth = 185;
constexpr int kWritingHeight = 80;
constexpr int kTodayLineY = 5;
constexpr int kTomorrowLineY = 46;
constexpr int kLineStep = 13;
// A line must show its longest message whole: 30 single-byte characters.
constexpr int kWritingColumns = 30;
// The marked copy of a line lies this far right and down.
constexpr int kMarkOffset = 1;

// The date column right of the writing area.
constexpr int kMonthY = 3;
constexpr int kDayY = 28;
constexpr int kOneDigitX = 234;
constexpr int kTwoDigitX = 231;
constexpr int kWeekdayX = 231;
constexpr int kWeekdayY = 51;

// Heights of the board font (cell heights): the lines and the date, and the
// weekday name.
constexpr int kLineFontHeight = 12;
constexpr int kWeekdayFontHeight = 10;

struct Rgb {
    uint8_t red;
    uint8_t green;
    uint8_t blue;
};

// Pixels of this colour show what lies below the board (the layered
// window's colour key): the picture's rounded corners.
constexpr Rgb kKeyColour = {128, 0, 0};
// The chalkboard, and the writing area each paint fills.
constexpr Rgb kBoardGreen = {0, 64, 0};
// The copy drawn one pixel right and down under a marked line.
constexpr Rgb kMarkColour = {255, 128, 128};
constexpr Rgb kChalkWhite = {255, 255, 255};
