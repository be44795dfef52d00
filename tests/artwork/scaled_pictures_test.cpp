// The committed board pictures for 125 % to 200 %: board.bmp's format and
// colours at the scaled size, and the key colour only in round corners.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/artwork/byte_reader.h"

namespace {

constexpr int kPixelDataOffset = 14 + 40 + 16 * 4;
constexpr int kKey = 1;

// A 100 % place at the step's scale, rounded as MulDiv rounds.
int at(int v, int dpi) { return (v * dpi + 48) / 96; }

TEST(ScaledPictures, EachStepIsTheBoardAtItsSizeWithRoundCorners)
{
    const struct {
        const char* file;
        int dpi, width, height;
    } steps[] = {{"board-125.bmp", 120, 313, 125}, {"board-150.bmp", 144, 375, 150}, {"board-175.bmp", 168, 438, 175},
        {"board-200.bmp", 192, 500, 200}};
    const Bytes original = readWholeFile(resourcePath("board.bmp"));
    ASSERT_GE(original.size(), std::size_t{kPixelDataOffset});
    for (const auto& s : steps) {
        SCOPED_TRACE(s.file);
        const Bytes file = readWholeFile(resourcePath(s.file));
        const int rowBytes = ((s.width * 4 + 31) / 32) * 4;
        ASSERT_EQ(file.size(), std::size_t(kPixelDataOffset + rowBytes * s.height));
        EXPECT_EQ(le32(file, 18), std::uint32_t(s.width));
        EXPECT_EQ(le32(file, 22), std::uint32_t(s.height));
        // board.bmp's header fields (4 bits, uncompressed) but the image size, and its palette.
        auto same = [&](int from, int to) { return std::equal(&original[from], &original[to], &file[from]); };
        EXPECT_TRUE(same(26, 34) && same(38, kPixelDataOffset));
        auto index = [&](int x, int y) {
            const std::uint8_t b = file[kPixelDataOffset + (s.height - 1 - y) * rowBytes + x / 2];
            return x % 2 == 0 ? b >> 4 : b & 0x0F;
        };

        // Key colour in runs from the row ends only, none beyond the corners,
        // every corner pixel key, the runs shrinking away from the corner.
        int lastLeft = 0, lastRight = 0;
        for (int y = 0; y < s.height; ++y) {
            int left = 0, right = 0;
            while (left < s.width && index(left, y) == kKey) ++left;
            while (right < s.width - left && index(s.width - 1 - right, y) == kKey) ++right;
            for (int x = left; x < s.width - right; ++x) ASSERT_NE(index(x, y), kKey) << x << "," << y;
            const bool upper = y < s.height / 2;
            const bool beyond = (upper ? y : s.height - 1 - y) >= at(upper ? 10 : 8, s.dpi);
            const bool edge = y == 0 || y == s.height - 1;
            EXPECT_TRUE(beyond ? left + right == 0 : !edge || (left > 0 && right > 0)) << "row " << y;
            const bool shrinking =
                upper ? left <= lastLeft && right <= lastRight : left >= lastLeft && right >= lastRight;
            EXPECT_TRUE(y == 0 || y == s.height / 2 || shrinking) << "row " << y;
            lastLeft = left;
            lastRight = right;
        }
    }
}

}  // namespace
