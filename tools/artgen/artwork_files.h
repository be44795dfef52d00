// The artwork files as bytes, ready to be written or compared: a board
// picture for each scale step and the icon.
#pragma once

#include "tools/artgen/board_art.h"
#include "tools/artgen/dib_encode.h"
#include "tools/artgen/icon_art.h"

constexpr int boardFileBytes(int step)
{
    return bmpFileSize(
        scaleToDpi(kBoardPictureWidth, kPictureStepDpi[step]), scaleToDpi(kBoardPictureHeight, kPictureStepDpi[step]));
}
constexpr int kLargestBoardFileBytes = boardFileBytes(kPictureSteps - 1);
constexpr int kIconFileBytes = iconFileSize(kIconSizes);

// The picture files in resources/, by step of kPictureStepDpi.
extern const char* const kBoardFileNames[kPictureSteps];
constexpr char kIconFileName[] = "notavex.ico";

// Each returns the number of bytes written (the file's size) or -1.
int makeBoardFile(int step, unsigned char (&out)[kLargestBoardFileBytes]);
int makeIconFile(unsigned char (&out)[kIconFileBytes]);
