// The application icon: the board in small, on the standard 16 colours.
#pragma once

constexpr int kIconSize = 32;

struct IconPicture {
    unsigned char index[kIconSize][kIconSize];  // palette index per pixel
};

void drawIconPicture(IconPicture& picture);
