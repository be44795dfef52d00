#include "tests/artwork/byte_reader.h"

#include <cstdio>

Bytes readWholeFile(const std::string& path)
{
    Bytes bytes;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return bytes;
    std::uint8_t chunk[4096];
    std::size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.insert(bytes.end(), chunk, chunk + n);
    std::fclose(file);
    return bytes;
}

std::string resourcePath(const char* name) { return std::string(NOTAVEX_RESOURCES_DIR) + "/" + name; }
