// A screenshot as raw 8-bit RGB, as `import -depth 8 rgb:FILE` writes it.
#pragma once

#include <cstdint>
#include <vector>

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb& other) const { return r == other.r && g == other.g && b == other.b; }
};

struct RawImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bytes;  // width * height * 3, rows top to bottom

    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    Rgb at(int x, int y) const;
};

// Reads the file; false when it cannot be read or its size is not
// width * height * 3 bytes.
bool loadRawImage(const char* path, int width, int height, RawImage& image);
