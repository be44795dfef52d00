// The committed application icon: one opaque 32 x 32 image of 16 colours.
#include <gtest/gtest.h>

#include "tests/artwork/byte_reader.h"

namespace {

constexpr std::size_t kImageOffset = 6 + 16;
constexpr std::size_t kPaletteOffset = kImageOffset + 40;
constexpr std::size_t kColourRowsOffset = kPaletteOffset + 16 * 4;
constexpr std::size_t kMaskOffset = kColourRowsOffset + 16 * 32;
constexpr std::size_t kMaskBytes = 4 * 32;

TEST(IconFile, OneOpaqueImageOf32By32In16StandardColours)
{
    const Bytes ico = readWholeFile(resourcePath("notavex.ico"));
    ASSERT_EQ(ico.size(), kMaskOffset + kMaskBytes);

    // ICONDIR and its one entry.
    EXPECT_EQ(le16(ico, 0), 0u);
    EXPECT_EQ(le16(ico, 2), 1u);
    EXPECT_EQ(le16(ico, 4), 1u);
    EXPECT_EQ(ico[6], 32);
    EXPECT_EQ(ico[7], 32);
    EXPECT_EQ(ico[8], 16);
    EXPECT_EQ(le16(ico, 12), 4u);
    EXPECT_EQ(le32(ico, 14), ico.size() - kImageOffset);
    EXPECT_EQ(le32(ico, 18), kImageOffset);

    // The image: colour rows and the AND mask below them, hence height 64.
    EXPECT_EQ(le32(ico, kImageOffset), 40u);
    EXPECT_EQ(le32(ico, kImageOffset + 4), 32u);
    EXPECT_EQ(le32(ico, kImageOffset + 8), 64u);
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
        ASSERT_EQ(ico[kMaskOffset + i], 0) << "mask byte " << i << " is not opaque";
}

}  // namespace
