// The committed application icon: five opaque square images of 16 colours,
// one for each size the notification area and the window ask for.
#include <gtest/gtest.h>

#include "tests/artwork/byte_reader.h"

namespace {

constexpr std::size_t kImages = 5;
constexpr unsigned kSizes[kImages] = {16, 20, 24, 32, 48};

TEST(IconFile, FiveOpaqueImagesFrom16To48In16StandardColours)
{
    const Bytes ico = readWholeFile(resourcePath("notavex.ico"));
    ASSERT_GT(ico.size(), 6 + 16 * kImages);

    // ICONDIR and its entries.
    EXPECT_EQ(le16(ico, 0), 0u);
    EXPECT_EQ(le16(ico, 2), 1u);
    ASSERT_EQ(le16(ico, 4), kImages);

    const int standard[16][3] = {
        {0, 0, 0},
        {128, 0, 0},
        {0, 128, 0},
        {128, 128, 0},
        {0, 0, 128},
        {128, 0, 128},
        {0, 128, 128},
        {192, 192, 192},
        {128, 128, 128},
        {255, 0, 0},
        {0, 255, 0},
        {255, 255, 0},
        {0, 0, 255},
        {255, 0, 255},
        {0, 255, 255},
        {255, 255, 255},
    };
    std::size_t expectedOffset = 6 + 16 * kImages;
    for (std::size_t i = 0; i < kImages; ++i) {
        const unsigned size = kSizes[i];
        SCOPED_TRACE(size);
        const std::size_t entry = 6 + 16 * i;
        const std::size_t rowBytes = ((size * 4 + 31) / 32) * 4;
        const std::size_t maskRowBytes = ((size + 31) / 32) * 4;
        const std::size_t imageBytes = 40 + 16 * 4 + (rowBytes + maskRowBytes) * size;
        EXPECT_EQ(ico[entry], size);
        EXPECT_EQ(ico[entry + 1], size);
        EXPECT_EQ(ico[entry + 2], 16);
        EXPECT_EQ(le16(ico, entry + 6), 4u);
        EXPECT_EQ(le32(ico, entry + 8), imageBytes);
        ASSERT_EQ(le32(ico, entry + 12), expectedOffset);
        const std::size_t image = expectedOffset;
        expectedOffset += imageBytes;
        ASSERT_LE(expectedOffset, ico.size());

        // The image: colour rows and the AND mask below them, hence twice the height.
        EXPECT_EQ(le32(ico, image), 40u);
        EXPECT_EQ(le32(ico, image + 4), size);
        EXPECT_EQ(le32(ico, image + 8), 2 * size);
        EXPECT_EQ(le16(ico, image + 14), 4u);
        EXPECT_EQ(le32(ico, image + 16), 0u);
        for (std::size_t c = 0; c < 16; ++c) {
            const std::size_t at = image + 40 + 4 * c;
            EXPECT_EQ(ico[at + 2], standard[c][0]) << "entry " << c;
            EXPECT_EQ(ico[at + 1], standard[c][1]) << "entry " << c;
            EXPECT_EQ(ico[at + 0], standard[c][2]) << "entry " << c;
        }
        const std::size_t mask = image + 40 + 16 * 4 + rowBytes * size;
        for (std::size_t b = 0; b < maskRowBytes * size; ++b)
            ASSERT_EQ(ico[mask + b], 0) << "mask byte " << b << " is not opaque";
    }
    EXPECT_EQ(expectedOffset, ico.size());
}

}  // namespace
