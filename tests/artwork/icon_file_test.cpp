// The committed application icon: opaque images of 16 colours from 16 to 48
// pixels, the sizes the notification area and the window ask for.
#include <gtest/gtest.h>

#include "tests/artwork/byte_reader.h"

namespace {

// The image of an entry, square of the given size, at kImageOffset; returns
// where the next image begins.
std::size_t expectImage(const Bytes& ico, std::size_t entry, unsigned size, std::size_t kImageOffset)
{
    const std::size_t kPaletteOffset = kImageOffset + 40;
    const std::size_t kMaskOffset = kPaletteOffset + 16 * 4 + (size + 7) / 8 * 4 * size;
    const std::size_t kMaskBytes = (size + 31) / 32 * 4 * size;
    if (kMaskOffset + kMaskBytes > ico.size()) return ico.size() + 1;

    // Its entry in ICONDIR.
    EXPECT_EQ(ico[6 + 16 * entry], size);
    EXPECT_EQ(ico[7 + 16 * entry], size);
    EXPECT_EQ(ico[8 + 16 * entry], 16);
    EXPECT_EQ(le16(ico, 12 + 16 * entry), 4u);
    EXPECT_EQ(le32(ico, 14 + 16 * entry), kMaskOffset + kMaskBytes - kImageOffset);
    EXPECT_EQ(le32(ico, 18 + 16 * entry), kImageOffset);

    // The image: colour rows and the AND mask below them, hence twice the height.
    EXPECT_EQ(le32(ico, kImageOffset), 40u);
    EXPECT_EQ(le32(ico, kImageOffset + 4), size);
    EXPECT_EQ(le32(ico, kImageOffset + 8), 2 * size);
    EXPECT_EQ(le16(ico, kImageOffset + 14), 4u);
    EXPECT_EQ(le32(ico, kImageOffset + 16), 0u);

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
    for (int i = 0; i < 16; ++i) {
        const std::size_t at = kPaletteOffset + 4 * i;
        EXPECT_EQ(ico[at + 2], standard[i][0]) << "entry " << i;
        EXPECT_EQ(ico[at + 1], standard[i][1]) << "entry " << i;
        EXPECT_EQ(ico[at + 0], standard[i][2]) << "entry " << i;
    }

    for (std::size_t i = 0; i < kMaskBytes; ++i)
        EXPECT_EQ(ico[kMaskOffset + i], 0) << "mask byte " << i << " is not opaque";
    return kMaskOffset + kMaskBytes;
}

TEST(IconFile, OpaqueImagesFrom16To48In16StandardColours)
{
    const Bytes ico = readWholeFile(resourcePath("notavex.ico"));
    ASSERT_GT(ico.size(), 6u + 16 * 5);
    EXPECT_EQ(le16(ico, 0), 0u);
    EXPECT_EQ(le16(ico, 2), 1u);
    ASSERT_EQ(le16(ico, 4), 5u);
    const unsigned sizes[] = {16, 20, 24, 32, 48};
    std::size_t next = 6 + 16 * 5;
    for (std::size_t i = 0; i < 5; ++i) next = expectImage(ico, i, sizes[i], next);
    EXPECT_EQ(next, ico.size());
}

}  // namespace
