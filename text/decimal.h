// Numbers as decimal text, the way "%d" writes them: a minus sign when
// negative, no leading zeros.
#pragma once

#include <cstdint>

// "-9223372036854775808" and a NUL: room for any value.
constexpr int kDecimalSize = 21;

// Writes value into out (outSize bytes), NUL-terminated, and returns its
// length. A value that does not fit leaves out empty and returns 0.
int formatDecimal(int64_t value, char* out, int outSize);
