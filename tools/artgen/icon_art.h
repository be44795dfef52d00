// The application icon: the board in small, on the standard 16 colours, at
// each size Windows asks for at 100 % to 200 % (the notification area's
// small icon) and at 150 % for the large one.
#pragma once

constexpr int kIconImages = 5;
constexpr int kIconSizes[kIconImages] = {16, 20, 24, 32, 48};
constexpr int kLargestIconSize = 48;
// The size the icon was first drawn at: its places are given in its pixels.
constexpr int kIconDesignSize = 32;

struct IconPicture {
    int size;
    unsigned char index[kLargestIconSize * kLargestIconSize];  // palette index per pixel, rows of `size`
};

void drawIconPicture(IconPicture& picture, int size);
