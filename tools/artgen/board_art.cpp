#include "tools/artgen/board_art.h"

#include "tools/artgen/chalk_glyphs.h"
#include "tools/artgen/palette.h"

namespace {

// Rounded corners: how many key-colour pixels each row has at its left and
// its right end. Rows not listed have none.
struct CornerRow {
    int row;
    int left;
    int right;
};

const CornerRow kCornerRows[] = {
    {0, 9, 8},
    {1, 4, 4},
    {2, 2, 2},
    {3, 2, 2},
    {4, 1, 1},
    {5, 1, 1},
    {6, 1, 1},
    {7, 1, 1},
    {8, 1, 0},
    {93, 1, 1},
    {94, 1, 1},
    {95, 1, 1},
    {96, 2, 2},
    {97, 2, 2},
    {98, 4, 4},
    {99, 8, 8},
};

constexpr int kFrameWidth = 2;
constexpr int kLedgeTop = 93;       // first row of the ledge
constexpr int kLedgeFrontTop = 95;  // light top face above, front face below
constexpr int kLedgeBottom = kBoardPictureHeight - 1;

// Yellow block resting on the ledge, split in two by a black gap.
constexpr int kBlockLeft = 171;
constexpr int kBlockRight = 192;
constexpr int kBlockTop = 84;
constexpr int kBlockBottom = 93;
constexpr int kBlockGapLeft = 181;
constexpr int kBlockGapRight = 182;

// A stick of white chalk lying on the ledge, with its shadow.
constexpr int kChalkLeft = 44;
constexpr int kChalkRight = 56;

void fillRect(BoardPicture& p, int x0, int y0, int x1, int y1, unsigned char colour)
{
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) p.index[y][x] = colour;
}

// Chalk never covers evenly: a few pixels of every firm stroke come out
// lighter. The pattern is fixed so that the picture is the same every run.
bool chalkWorn(int x, int y)
{
    const unsigned int h = static_cast<unsigned int>(x) * 73856093u ^ static_cast<unsigned int>(y) * 19349663u;
    return (h >> 4) % 7 == 0;
}

void drawGlyph(BoardPicture& p, const ChalkGlyph& glyph, int left, int top)
{
    for (int row = 0; row < glyph.height; ++row) {
        for (int col = 0; col < glyph.width; ++col) {
            if (glyph.rows[row][col] != '#') continue;
            const int x = left + col;
            const int y = top + row;
            p.index[y][x] = chalkWorn(x, y) ? kLightGrey : kWhite;
        }
    }
}

void drawFrame(BoardPicture& p)
{
    fillRect(p, 0, 0, kBoardPictureWidth - 1, kFrameWidth - 1, kOlive);
    fillRect(p, 0, kFrameWidth, kFrameWidth - 1, kLedgeTop - 1, kOlive);
    fillRect(p, kBoardPictureWidth - kFrameWidth, kFrameWidth, kBoardPictureWidth - 1, kLedgeTop - 1, kOlive);
}

void drawLedge(BoardPicture& p)
{
    fillRect(p, 0, kLedgeTop, kBoardPictureWidth - 1, kLedgeFrontTop - 1, kLightGrey);
    fillRect(p, 0, kLedgeFrontTop, kBoardPictureWidth - 1, kLedgeBottom - 1, kMidGrey);
    fillRect(p, 0, kLedgeBottom, kBoardPictureWidth - 1, kLedgeBottom, kDarkGrey);

    // Chalk stick on the top face, casting a short shadow onto the front.
    fillRect(p, kChalkLeft, kLedgeTop, kChalkRight, kLedgeTop + 1, kWhite);
    fillRect(p, kChalkLeft + 1, kLedgeFrontTop, kChalkRight + 1, kLedgeFrontTop, kDarkGrey);

    // Chalk dust fallen onto the ledge's front.
    const int dust[][2] = {{60, 96}, {63, 97}, {67, 96}, {71, 97}, {118, 96}, {121, 97}, {150, 96}, {160, 97},
        {166, 96}, {197, 96}, {201, 97}, {206, 96}, {31, 96}, {28, 97}};
    for (const auto& d : dust) p.index[d[1]][d[0]] = kLightGrey;
}

void drawBlock(BoardPicture& p)
{
    fillRect(p, kBlockLeft, kBlockTop, kBlockRight, kBlockBottom, kYellow);
    fillRect(p, kBlockGapLeft, kBlockTop, kBlockGapRight, kBlockBottom, kBlack);
}

void drawLabels(BoardPicture& p)
{
    drawGlyph(p, kGlyphIma, 7, 5);  // 今日, beside today's lines
    drawGlyph(p, kGlyphHiWide, 19, 5);
    drawGlyph(p, kGlyphAkeMei, 7, 46);  // 明日, beside tomorrow's lines
    drawGlyph(p, kGlyphHiWide, 19, 46);
    drawGlyph(p, kGlyphTsuki, 233, 15);      // under the month number
    drawGlyph(p, kGlyphHiSmall, 233, 40);    // under the day number
    drawGlyph(p, kGlyphOpenParen, 225, 51);  // around the weekday name
    drawGlyph(p, kGlyphCloseParen, 244, 51);
    drawGlyph(p, kGlyphChecklist, 226, 63);
}

// Last of all, so that the corners are exactly the listed pixels.
void cutCorners(BoardPicture& p)
{
    for (const CornerRow& c : kCornerRows) {
        for (int i = 0; i < c.left; ++i) p.index[c.row][i] = kKey;
        for (int i = 0; i < c.right; ++i) p.index[c.row][kBoardPictureWidth - 1 - i] = kKey;
    }
}

// The ledge's right end lies in shadow: the last pixel of each of its rows
// next to the cut corner is dark.
void shadeLedgeEnd(BoardPicture& p)
{
    for (int y = kLedgeTop; y < kLedgeBottom; ++y) {
        int x = kBoardPictureWidth - 1;
        while (p.index[y][x] == kKey) --x;
        p.index[y][x] = kDarkGrey;
    }
}

}  // namespace

void drawBoardPicture(BoardPicture& picture)
{
    fillRect(picture, 0, 0, kBoardPictureWidth - 1, kBoardPictureHeight - 1, kGreen);
    drawFrame(picture);
    drawLedge(picture);
    drawBlock(picture);
    drawLabels(picture);
    cutCorners(picture);
    shadeLedgeEnd(picture);
}
