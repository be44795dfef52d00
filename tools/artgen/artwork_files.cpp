#include "tools/artgen/artwork_files.h"

#include "tools/artgen/palette.h"

const char* const kBoardFileNames[kPictureSteps] = {
    "board.bmp",
    "board-125.bmp",
    "board-150.bmp",
    "board-175.bmp",
    "board-200.bmp",
};

int makeBoardFile(int step, unsigned char (&out)[kLargestBoardFileBytes])
{
    static BoardPicture picture;
    drawBoardPicture(picture, kPictureStepDpi[step]);
    return encodeBmp4(&picture.index[0][0], kLargestPictureWidth, picture.width, picture.height, kBoardPalette, out,
        kLargestBoardFileBytes);
}

int makeIconFile(unsigned char (&out)[kIconFileBytes])
{
    static IconPicture pictures[kIconImages];
    IconImage images[kIconImages];
    for (int i = 0; i < kIconImages; ++i) {
        drawIconPicture(pictures[i], kIconSizes[i]);
        images[i] = {pictures[i].index, kIconSizes[i]};
    }
    return encodeIcon4(images, kIconImages, kStandardPalette, out, kIconFileBytes);
}
