// Files of 16-colour pictures: a Windows bitmap and a one-image icon, both
// uncompressed with a 4-bit palette index per pixel, written to byte buffers.
#pragma once

#include "tools/artgen/palette.h"

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;
constexpr int kPaletteBytes = kPaletteSize * 4;
constexpr int kIconDirSize = 6 + 16;  // ICONDIR with its single entry

// Bytes of one stored row of 4-bit pixels: rows are padded to 4 bytes.
constexpr int dibRowBytes(int width) { return ((width * 4 + 31) / 32) * 4; }
// Bytes of one row of the icon's 1-bit AND mask.
constexpr int maskRowBytes(int width) { return ((width + 31) / 32) * 4; }

constexpr int bmpFileSize(int width, int height)
{
    return kFileHeaderSize + kInfoHeaderSize + kPaletteBytes + dibRowBytes(width) * height;
}
constexpr int iconFileSize(int size)
{
    return kIconDirSize + kInfoHeaderSize + kPaletteBytes + (dibRowBytes(size) + maskRowBytes(size)) * size;
}

// pixels: width * height palette indices, row by row from the top.
// Returns the number of bytes written, or -1 when out is too small.
int encodeBmp4(
    const unsigned char* pixels, int width, int height, const PaletteColour* palette, unsigned char* out, int capacity);

// A square icon of one image, fully opaque (AND mask all zero).
int encodeIcon4(const unsigned char* pixels, int size, const PaletteColour* palette, unsigned char* out, int capacity);
