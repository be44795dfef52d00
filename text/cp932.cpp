#include "text/cp932.h"

#include <cstring>

int cp932CopyFit(char* out, int outSize, std::string_view text)
{
    if (outSize <= 0) return 0;
    const int length = cp932FitLength(text, outSize - 1);
    // An empty view may carry a null pointer, which memcpy must not see.
    if (length > 0) std::memcpy(out, text.data(), static_cast<size_t>(length));
    out[length] = '\0';
    return length;
}
