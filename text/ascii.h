// ASCII letters compared without regard to case, as the settings file's
// keys and Windows file names are; other bytes (CP932 ones included) must
// match exactly.
#pragma once

#include <string_view>

constexpr char asciiLower(char byte)
{
    return (byte >= 'A' && byte <= 'Z') ? static_cast<char>(byte - 'A' + 'a') : byte;
}

constexpr bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (size_t n = 0; n < a.size(); ++n)
        if (asciiLower(a[n]) != asciiLower(b[n])) return false;
    return true;
}
