// Colour tables of the board picture and of the application icon.
#pragma once

#include "layout/board_layout.h"

using PaletteColour = Rgb;

constexpr int kPaletteSize = 16;

// Board picture indices that the drawing code names.
enum BoardColour : unsigned char {
    kBlack = 0,
    kKey = 1,    // shown transparent by the layered window
    kGreen = 2,  // the board itself, and the writing area's fill
    kLightGrey = 7,
    kMidGrey = 8,
    kYellow = 9,
    kOlive = 11,
    kDarkGrey = 12,
    kWhite = 15,
};

extern const PaletteColour kBoardPalette[kPaletteSize];

// Icon indices in the standard 16-colour palette.
enum IconColour : unsigned char {
    kIconBlack = 0,
    kIconOlive = 3,
    kIconSilver = 7,
    kIconGrey = 8,
    kIconLime = 10,
    kIconYellow = 11,
    kIconWhite = 15,
};

extern const PaletteColour kStandardPalette[kPaletteSize];
