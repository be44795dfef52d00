// The board picture: a chalkboard with rounded corners, an olive frame,
// chalk labels for the two days and the date, and a ledge with a yellow block.
#pragma once

#include "layout/board_layout.h"

struct BoardPicture {
    unsigned char index[kBoardPictureHeight][kBoardPictureWidth];  // palette index per pixel
};

void drawBoardPicture(BoardPicture& picture);
