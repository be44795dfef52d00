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
