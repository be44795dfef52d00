#include "settings_dialog/dialog_internal.h"

int32_t readDecimal(const char* text)
{
    while (*text == ' ') ++text;
    bool negative = false;
    if (*text == '-' || *text == '+') negative = *text++ == '-';
    int64_t value = 0;
    const char* digits = text;
    for (; *text >= '0' && *text <= '9'; ++text) {
        value = value * 10 + (*text - '0');
        if (value > INT64_C(2147483648)) return 0;
    }
    if (text == digits) return 0;
    if (negative) value = -value;
    if (value > INT32_MAX || value < INT32_MIN) return 0;
    return static_cast<int32_t>(value);
}
