// The committed board picture against its description: format, palette,
// key-colour corners, board, frame, chalk labels and ledge.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "tests/artwork/byte_reader.h"

namespace {

constexpr int kWidth = 250;
constexpr int kHeight = 100;
constexpr int kPixelDataOffset = 14 + 40 + 16 * 4;
constexpr int kRowBytes = 128;  // 125 bytes of pixels padded to 4

enum : int {
    kBlack = 0,
    kKey = 1,
    kGreen = 2,
    kLightGrey = 7,
    kMidGrey = 8,
    kYellow = 9,
    kOlive = 11,
    kDarkGrey = 12,
    kWhite = 15,
};

class BoardPicture : public ::testing::Test {
protected:
    static void SetUpTestSuite() { file_ = readWholeFile(resourcePath("board.bmp")); }

    void SetUp() override
    {
        ASSERT_EQ(file_.size(), std::size_t{kPixelDataOffset + kRowBytes * kHeight})
            << "resources/board.bmp missing or of the wrong size";
    }

    // Palette index at (x, y), y down from the top; rows are stored bottom-up.
    static int at(int x, int y)
    {
        const std::uint8_t b = file_[kPixelDataOffset + (kHeight - 1 - y) * kRowBytes + x / 2];
        return x % 2 == 0 ? b >> 4 : b & 0x0F;
    }

    static Bytes file_;
};

Bytes BoardPicture::file_;

struct Box {
    const char* what;
    int x0, y0, x1, y1;
    bool contains(int x, int y) const { return x >= x0 && x <= x1 && y >= y0 && y <= y1; }
};

const Box kChalkBoxes[] = {
    {"today", 7, 5, 26, 14},
    {"tomorrow", 7, 46, 26, 55},
    {"month", 233, 15, 239, 25},
    {"day", 233, 40, 239, 48},
    {"open paren", 225, 51, 227, 61},
    {"close paren", 244, 51, 246, 61},
    {"marks", 226, 63, 243, 89},
};
const Box kYellowBlock = {"yellow block", 171, 84, 192, 93};

// Key pixels counted from the left and the right end of each row.
int keyLeft(int y)
{
    switch (y) {
    case 0: return 9;
    case 1: return 4;
    case 2:
    case 3: return 2;
    case 4:
    case 5:
    case 6:
    case 7:
    case 8: return 1;
    case 93:
    case 94:
    case 95: return 1;
    case 96:
    case 97: return 2;
    case 98: return 4;
    case 99: return 8;
    default: return 0;
    }
}

int keyRight(int y)
{
    if (y == 0) return 8;
    if (y == 8) return 0;
    return keyLeft(y);
}

bool isKeyPlace(int x, int y) { return x < keyLeft(y) || x >= kWidth - keyRight(y); }

TEST_F(BoardPicture, HeaderDescribesUncompressedBottomUp4BitPicture)
{
    EXPECT_EQ(file_[0], 'B');
    EXPECT_EQ(file_[1], 'M');
    EXPECT_EQ(le32(file_, 2), file_.size());
    EXPECT_EQ(le32(file_, 10), std::uint32_t{kPixelDataOffset});
    EXPECT_EQ(le32(file_, 14), 40u);  // BITMAPINFOHEADER
    EXPECT_EQ(le32(file_, 18), std::uint32_t{kWidth});
    EXPECT_EQ(le32(file_, 22), std::uint32_t{kHeight});  // positive: bottom-up
    EXPECT_EQ(le16(file_, 26), 1u);
    EXPECT_EQ(le16(file_, 28), 4u);
    EXPECT_EQ(le32(file_, 30), 0u);  // BI_RGB
    const std::uint32_t coloursUsed = le32(file_, 46);
    EXPECT_TRUE(coloursUsed == 0 || coloursUsed == 16) << coloursUsed;
}

TEST_F(BoardPicture, PaletteHasTheSixteenBoardColoursInOrder)
{
    const int expected[16][3] = {
        {0, 0, 0},
        {128, 0, 0},
        {0, 64, 0},
        {93, 93, 53},
        {0, 0, 128},
        {128, 0, 128},
        {0, 128, 128},
        {192, 192, 192},
        {128, 128, 128},
        {255, 204, 65},
        {0, 255, 0},
        {121, 122, 58},
        {64, 64, 64},
        {255, 0, 255},
        {0, 255, 255},
        {255, 255, 255},
    };
    for (int i = 0; i < 16; ++i) {
        const std::size_t at = 54 + 4 * i;  // blue, green, red, reserved
        EXPECT_EQ(file_[at + 2], expected[i][0]) << "entry " << i;
        EXPECT_EQ(file_[at + 1], expected[i][1]) << "entry " << i;
        EXPECT_EQ(file_[at + 0], expected[i][2]) << "entry " << i;
    }
}

TEST_F(BoardPicture, KeyColourExactlyInTheEightyCornerPixels)
{
    int keys = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            EXPECT_EQ(at(x, y) == kKey, isKeyPlace(x, y)) << "x " << x << " y " << y;
            keys += at(x, y) == kKey;
        }
    }
    EXPECT_EQ(keys, 80);
}

TEST_F(BoardPicture, WritingAreaIsPlainBoardGreen)
{
    for (int y = 5; y <= 83; ++y)
        for (int x = 35; x <= 219; ++x) ASSERT_EQ(at(x, y), kGreen) << "x " << x << " y " << y;
}

TEST_F(BoardPicture, BoardIsGreenApartFromChalkAndTheBlock)
{
    for (int y = 2; y <= 92; ++y) {
        for (int x = 2; x <= 247; ++x) {
            if (kYellowBlock.contains(x, y)) continue;
            bool chalk = false;
            for (const Box& b : kChalkBoxes) chalk = chalk || b.contains(x, y);
            const int c = at(x, y);
            if (chalk) {
                EXPECT_TRUE(c == kGreen || c == kWhite || c == kLightGrey) << "x " << x << " y " << y;
            } else {
                EXPECT_EQ(c, kGreen) << "x " << x << " y " << y;
            }
        }
    }
}

// Each label is white chalk that reaches every edge of its place.
TEST_F(BoardPicture, ChalkLabelsFillTheirPlaces)
{
    for (const Box& b : kChalkBoxes) {
        int left = kWidth, right = -1, top = kHeight, bottom = -1, white = 0;
        for (int y = b.y0; y <= b.y1; ++y) {
            for (int x = b.x0; x <= b.x1; ++x) {
                if (at(x, y) == kGreen) continue;
                white += at(x, y) == kWhite;
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
        EXPECT_GT(white, 0) << b.what;
        EXPECT_EQ(left, b.x0) << b.what;
        EXPECT_EQ(right, b.x1) << b.what;
        EXPECT_EQ(top, b.y0) << b.what;
        EXPECT_EQ(bottom, b.y1) << b.what;
    }
}

TEST_F(BoardPicture, OliveFrameAlongTheTopAndBothSides)
{
    for (int y = 0; y <= 92; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const bool frame = y <= 1 || x <= 1 || x >= 248;
            if (frame && !isKeyPlace(x, y)) {
                EXPECT_EQ(at(x, y), kOlive) << "x " << x << " y " << y;
            }
        }
    }
}

TEST_F(BoardPicture, YellowBlockSplitByABlackLine)
{
    for (int y = kYellowBlock.y0; y <= kYellowBlock.y1; ++y)
        for (int x = kYellowBlock.x0; x <= kYellowBlock.x1; ++x)
            EXPECT_EQ(at(x, y), (x == 181 || x == 182) ? kBlack : kYellow) << "x " << x << " y " << y;
}

// Light top face, mid-grey front, dark bottom row and right end. A little
// chalk may lie on it, so each row is judged by its main colour.
TEST_F(BoardPicture, LedgeIsShadedGrey)
{
    for (int y = 93; y <= 99; ++y) {
        int counts[16] = {};
        int rightmost = -1;
        for (int x = 0; x < kWidth; ++x) {
            if (isKeyPlace(x, y) || kYellowBlock.contains(x, y)) continue;
            ++counts[at(x, y)];
            rightmost = x;
        }
        const int expected = y <= 94 ? kLightGrey : y <= 98 ? kMidGrey : kDarkGrey;
        int total = 0;
        for (int c : counts) total += c;
        EXPECT_GT(counts[expected] * 10, total * 9) << "row " << y;
        EXPECT_EQ(at(rightmost, y), kDarkGrey) << "row " << y;
        if (y == 99) {
            EXPECT_EQ(counts[kDarkGrey], total);
        }
    }
}

TEST_F(BoardPicture, UsesExactlyTheListedIndices)
{
    std::set<int> used;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) used.insert(at(x, y));
    EXPECT_EQ(used, (std::set<int>{0, 1, 2, 7, 8, 9, 11, 12, 15}));
}

}  // namespace
