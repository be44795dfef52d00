// Little-endian reading of whole files, for checking the committed binary
// resources without the code that wrote them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// The whole file, or an empty vector when it cannot be read.
Bytes readWholeFile(const std::string& path);

inline unsigned le16(const Bytes& b, std::size_t at)
{
    if (at + 2 > b.size()) return 0;
    return b[at] | (b[at + 1] << 8);
}

inline std::uint32_t le32(const Bytes& b, std::size_t at)
{
    if (at + 4 > b.size()) return 0;
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (std::uint32_t{b[at + 3]} << 24);
}

inline int les16(const Bytes& b, std::size_t at) { return static_cast<std::int16_t>(le16(b, at)); }

inline std::size_t align4(std::size_t at) { return (at + 3) & ~std::size_t{3}; }

// Path of a file in the resources folder of the source tree.
std::string resourcePath(const char* name);
