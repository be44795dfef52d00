// The two artwork files as bytes, ready to be written or compared.
#pragma once

#include "tools/artgen/board_art.h"
#include "tools/artgen/dib_encode.h"
#include "tools/artgen/icon_art.h"

constexpr int kBoardFileBytes = bmpFileSize(kBoardPictureWidth, kBoardPictureHeight);
constexpr int kIconFileBytes = iconFileSize(kIconSize);

// Each returns the number of bytes written (the file's size) or -1.
int makeBoardFile(unsigned char (&out)[kBoardFileBytes]);
int makeIconFile(unsigned char (&out)[kIconFileBytes]);
