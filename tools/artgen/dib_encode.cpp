#include "tools/artgen/dib_encode.h"

#include <cstring>

namespace {

void put16(unsigned char* at, int value)
{
    at[0] = static_cast<unsigned char>(value & 0xFF);
    at[1] = static_cast<unsigned char>((value >> 8) & 0xFF);
}

void put32(unsigned char* at, long value)
{
    for (int i = 0; i < 4; ++i) at[i] = static_cast<unsigned char>((value >> (8 * i)) & 0xFF);
}

// BITMAPINFOHEADER, the palette and the bottom-up 4-bit rows; returns the
// bytes written. heightField is the height stored in the header: an icon
// stores twice its height because the AND mask follows the colour rows.
int writeDib4(const unsigned char* pixels, int stride, int width, int height, int heightField, int imageBytes,
    const PaletteColour* palette, unsigned char* out)
{
    unsigned char* p = out;
    put32(p + 0, kInfoHeaderSize);
    put32(p + 4, width);
    put32(p + 8, heightField);
    put16(p + 12, 1);  // planes
    put16(p + 14, 4);  // bits per pixel
    put32(p + 16, 0);  // BI_RGB: uncompressed
    put32(p + 20, imageBytes);
    put32(p + 24, 0);  // no preferred resolution
    put32(p + 28, 0);
    put32(p + 32, kPaletteSize);
    put32(p + 36, 0);  // all colours important
    p += kInfoHeaderSize;

    for (int i = 0; i < kPaletteSize; ++i) {
        p[0] = palette[i].blue;
        p[1] = palette[i].green;
        p[2] = palette[i].red;
        p[3] = 0;
        p += 4;
    }

    const int rowBytes = dibRowBytes(width);
    for (int y = height - 1; y >= 0; --y) {
        std::memset(p, 0, rowBytes);
        const unsigned char* row = pixels + y * stride;
        for (int x = 0; x < width; ++x) {
            const unsigned char index = row[x] & 0x0F;
            p[x / 2] |= (x % 2 == 0) ? static_cast<unsigned char>(index << 4) : index;
        }
        p += rowBytes;
    }
    return static_cast<int>(p - out);
}

}  // namespace

int encodeBmp4(const unsigned char* pixels, int stride, int width, int height, const PaletteColour* palette,
    unsigned char* out, int capacity)
{
    const int total = bmpFileSize(width, height);
    if (capacity < total) return -1;
    const int dataOffset = kFileHeaderSize + kInfoHeaderSize + kPaletteBytes;

    out[0] = 'B';
    out[1] = 'M';
    put32(out + 2, total);
    put32(out + 6, 0);
    put32(out + 10, dataOffset);
    writeDib4(pixels, stride, width, height, height, dibRowBytes(width) * height, palette, out + kFileHeaderSize);
    return total;
}

int encodeIcon4(const IconImage* images, int count, const PaletteColour* palette, unsigned char* out, int capacity)
{
    int total = kIconDirHeaderSize + kIconDirEntrySize * count;
    for (int i = 0; i < count; ++i) {
        if (images[i].size > 255) return -1;
        total += iconImageBytes(images[i].size);
    }
    if (capacity < total) return -1;

    // ICONDIR: reserved, type 1 (icon), the number of images.
    put16(out + 0, 0);
    put16(out + 2, 1);
    put16(out + 4, count);
    int offset = kIconDirHeaderSize + kIconDirEntrySize * count;
    for (int i = 0; i < count; ++i) {
        const int size = images[i].size;
        const int imageBytes = (dibRowBytes(size) + maskRowBytes(size)) * size;
        // ICONDIRENTRY of the image.
        unsigned char* entry = out + kIconDirHeaderSize + kIconDirEntrySize * i;
        entry[0] = static_cast<unsigned char>(size);
        entry[1] = static_cast<unsigned char>(size);
        entry[2] = kPaletteSize;
        entry[3] = 0;
        put16(entry + 4, 1);  // planes
        put16(entry + 6, 4);  // bits per pixel
        put32(entry + 8, iconImageBytes(size));
        put32(entry + 12, offset);

        unsigned char* p = out + offset;
        p += writeDib4(images[i].pixels, size, size, size, size * 2, imageBytes, palette, p);
        // AND mask: all zero, every pixel opaque.
        std::memset(p, 0, maskRowBytes(size) * size);
        offset += iconImageBytes(size);
    }
    return total;
}
