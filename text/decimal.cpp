#include "text/decimal.h"

int formatDecimal(int64_t value, char* out, int outSize)
{
    if (outSize <= 0) return 0;
    char digits[kDecimalSize];
    int count = 0;
    // Unsigned, so that the most negative value has a magnitude too.
    uint64_t magnitude = value < 0 ? 0u - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    do {
        digits[count++] = static_cast<char>('0' + magnitude % 10u);
        magnitude /= 10u;
    } while (magnitude > 0);
    if (value < 0) digits[count++] = '-';
    if (count > outSize - 1) {
        out[0] = '\0';
        return 0;
    }
    for (int n = 0; n < count; ++n) out[n] = digits[count - 1 - n];
    out[count] = '\0';
    return count;
}
