#include "tools/artgen/artwork_files.h"

#include "tools/artgen/palette.h"

int makeBoardFile(unsigned char (&out)[kBoardFileBytes])
{
    static BoardPicture picture;
    drawBoardPicture(picture);
    return encodeBmp4(
        &picture.index[0][0], kBoardPictureWidth, kBoardPictureHeight, kBoardPalette, out, kBoardFileBytes);
}

int makeIconFile(unsigned char (&out)[kIconFileBytes])
{
    static IconPicture picture;
    drawIconPicture(picture);
    return encodeIcon4(&picture.index[0][0], kIconSize, kStandardPalette, out, kIconFileBytes);
}
