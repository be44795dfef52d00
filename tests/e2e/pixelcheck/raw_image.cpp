#include "raw_image.h"

#include <cstdio>

Rgb RawImage::at(int x, int y) const
{
    std::size_t i = (static_cast<std::size_t>(y) * width + x) * 3;
    return {bytes[i], bytes[i + 1], bytes[i + 2]};
}

bool loadRawImage(const char* path, int width, int height, RawImage& image)
{
    if (width <= 0 || height <= 0) return false;
    std::FILE* file = std::fopen(path, "rb");
    if (!file) return false;
    std::size_t size = static_cast<std::size_t>(width) * height * 3;
    image.bytes.assign(size + 1, 0);
    std::size_t got = std::fread(image.bytes.data(), 1, size + 1, file);
    std::fclose(file);
    if (got != size) return false;
    image.bytes.resize(size);
    image.width = width;
    image.height = height;
    return true;
}
