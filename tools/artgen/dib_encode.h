// Files of 16-colour pictures: a Windows bitmap and an icon of square
// images, both uncompressed with a 4-bit palette index per pixel, written to
// byte buffers.
#pragma once

#include "tools/artgen/palette.h"

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;
constexpr int kPaletteBytes = kPaletteSize * 4;
constexpr int kIconDirHeaderSize = 6;  // ICONDIR
constexpr int kIconDirEntrySize = 16;  // ICONDIRENTRY, one per image

// Bytes of one stored row of 4-bit pixels: rows are padded to 4 bytes.
constexpr int dibRowBytes(int width) { return ((width * 4 + 31) / 32) * 4; }
// Bytes of one row of the icon's 1-bit AND mask.
constexpr int maskRowBytes(int width) { return ((width + 31) / 32) * 4; }

constexpr int bmpFileSize(int width, int height)
{
    return kFileHeaderSize + kInfoHeaderSize + kPaletteBytes + dibRowBytes(width) * height;
}
// Bytes of one image of an icon file: header, palette, colour rows, mask.
constexpr int iconImageBytes(int size)
{
    return kInfoHeaderSize + kPaletteBytes + (dibRowBytes(size) + maskRowBytes(size)) * size;
}
template <int N> constexpr int iconFileSize(const int (&sizes)[N])
{
    int total = kIconDirHeaderSize + kIconDirEntrySize * N;
    for (int size : sizes) total += iconImageBytes(size);
    return total;
}

// pixels: height rows of width palette indices from the top, each row
// starting stride indices after the one before.
// Returns the number of bytes written, or -1 when out is too small.
int encodeBmp4(const unsigned char* pixels, int stride, int width, int height, const PaletteColour* palette,
    unsigned char* out, int capacity);

// One square image of an icon: size rows of size indices from the top.
struct IconImage {
    const unsigned char* pixels;
    int size;
};

// An icon of the images in the order given, each fully opaque (AND mask all
// zero). Returns the bytes written, or -1 when out is too small.
int encodeIcon4(const IconImage* images, int count, const PaletteColour* palette, unsigned char* out, int capacity);
