#include "app/lock_record.h"

#include "text/decimal.h"

namespace {

constexpr int kWindowDigits = 16;
constexpr int kProcessDigitsMax = 10;  // 4294967295
constexpr char kHexDigits[] = "0123456789abcdef";

int hexValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

int formatLockRecord(const LockRecord& record, char* out)
{
    int n = 0;
    for (int shift = (kWindowDigits - 1) * 4; shift >= 0; shift -= 4)
        out[n++] = kHexDigits[(record.window >> shift) & 0xf];
    out[n++] = ' ';
    n += formatDecimal(record.process, out + n, kLockRecordSize - n - 2);  // CR LF after it
    out[n++] = '\r';
    out[n++] = '\n';
    out[n] = '\0';
    return n;
}

bool parseLockRecord(const char* text, int length, LockRecord* record)
{
    if (length < kWindowDigits + 4) return false;  // window, space, a digit, CR LF
    std::uint64_t window = 0;
    for (int i = 0; i < kWindowDigits; ++i) {
        const int value = hexValue(text[i]);
        if (value < 0) return false;
        window = window << 4 | static_cast<std::uint64_t>(value);
    }
    int i = kWindowDigits;
    if (text[i++] != ' ') return false;
    std::uint64_t process = 0;
    const int digitsStart = i;
    while (i < length && text[i] >= '0' && text[i] <= '9') {
        if (i - digitsStart == kProcessDigitsMax) return false;
        process = process * 10 + static_cast<std::uint64_t>(text[i++] - '0');
    }
    if (i == digitsStart || process > 0xffffffffu) return false;
    if (length != i + 2 || text[i] != '\r' || text[i + 1] != '\n') return false;
    if (window == 0 || process == 0) return false;
    record->window = window;
    record->process = static_cast<std::uint32_t>(process);
    return true;
}
