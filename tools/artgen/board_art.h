// The board picture: a chalkboard with rounded corners, an olive frame,
// chalk labels for the two days and the date, and a ledge with a yellow block.
// Drawn for each scale of kPictureStepDpi; at 96 DPI it is the picture the
// board has always shown.
#pragma once

#include "layout/board_scale.h"

constexpr int kLargestPictureDpi = kPictureStepDpi[kPictureSteps - 1];
constexpr int kLargestPictureWidth = scaleToDpi(kBoardPictureWidth, kLargestPictureDpi);
constexpr int kLargestPictureHeight = scaleToDpi(kBoardPictureHeight, kLargestPictureDpi);

struct BoardPicture {
    int width;
    int height;
    unsigned char index[kLargestPictureHeight][kLargestPictureWidth];  // palette index per pixel
};

// dpi: one of kPictureStepDpi.
void drawBoardPicture(BoardPicture& picture, int dpi);
