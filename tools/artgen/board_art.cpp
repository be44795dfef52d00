#include "tools/artgen/board_art.h"

#include "tools/artgen/chalk_glyphs.h"
#include "tools/artgen/palette.h"

namespace {

// Rounded corners at 100 %: how many key-colour pixels each row has at its
// left and its right end, counted from the top row for the upper corners
// and from the bottom row for the lower ones. Rows not listed have none.
struct CornerRun {
    int left;
    int right;
};

const CornerRun kUpperCorners[] = {{9, 8}, {4, 4}, {2, 2}, {2, 2}, {1, 1}, {1, 1}, {1, 1}, {1, 1}, {1, 0}};
const CornerRun kLowerCorners[] = {{8, 8}, {4, 4}, {2, 2}, {2, 2}, {1, 1}, {1, 1}, {1, 1}};

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

// Glyph strokes are drawn through points this many steps apart between two
// pixel centres: an odd number, so that no point falls exactly between two
// pixels, where rounding would widen a diagonal at 100 %.
constexpr int kStrokeSteps = 15;
// Positions along a stroke in 1/32 of a 100 % pixel, scaled by the DPI and
// divided back by this.
constexpr long long kStrokeUnit = 96LL * 32 * kStrokeSteps;

// The picture at one scale: everything is placed in 100 % pixels and lands
// on the pixels that the same place covers at that scale.
struct Canvas {
    BoardPicture& p;
    int dpi;

    int at(int v) const { return scaleToDpi(v, dpi); }

    // The 100 % rectangle x0..x1, y0..y1 (both corners included).
    void fill(int x0, int y0, int x1, int y1, unsigned char colour)
    {
        for (int y = at(y0); y < at(y1 + 1); ++y)
            for (int x = at(x0); x < at(x1 + 1); ++x) p.index[y][x] = colour;
    }
};

// Chalk never covers evenly: a few pixels of every firm stroke come out
// lighter. The pattern is fixed so that the picture is the same every run.
bool chalkWorn(int x, int y)
{
    const unsigned int h = static_cast<unsigned int>(x) * 73856093u ^ static_cast<unsigned int>(y) * 19349663u;
    return (h >> 4) % 7 == 0;
}

void chalkPixel(BoardPicture& p, int x, int y)
{
    if (x < 0 || y < 0 || x >= p.width || y >= p.height) return;
    p.index[y][x] = chalkWorn(x, y) ? kLightGrey : kWhite;
}

// A chalk stroke between the centres of two 100 % pixels, as wide as one
// pixel is at the scale: at 100 % it covers just the two pixels.
void stroke(Canvas& c, int x0, int y0, int x1, int y1)
{
    const int width = c.at(1);
    const long long centreShift = (1 - width) * (kStrokeUnit / 2);
    for (int i = 0; i <= kStrokeSteps; ++i) {
        const long long ux = (x0 * 32LL + 16) * kStrokeSteps + (x1 - x0) * 32LL * i;
        const long long uy = (y0 * 32LL + 16) * kStrokeSteps + (y1 - y0) * 32LL * i;
        const int left = static_cast<int>((ux * c.dpi + centreShift) / kStrokeUnit);
        const int top = static_cast<int>((uy * c.dpi + centreShift) / kStrokeUnit);
        for (int dy = 0; dy < width; ++dy)
            for (int dx = 0; dx < width; ++dx) chalkPixel(c.p, left + dx, top + dy);
    }
}

// A pixel glyph drawn as strokes between its neighbouring pixels, so that
// a larger scale gets smooth lines instead of blocks. A diagonal step is a
// stroke only where no square corner already joins the two pixels.
void drawGlyph(Canvas& c, const ChalkGlyph& glyph, int left, int top)
{
    auto set = [&glyph](int col, int row) {
        return col >= 0 && row >= 0 && col < glyph.width && row < glyph.height && glyph.rows[row][col] == '#';
    };
    for (int row = 0; row < glyph.height; ++row) {
        for (int col = 0; col < glyph.width; ++col) {
            if (!set(col, row)) continue;
            const int x = left + col;
            const int y = top + row;
            stroke(c, x, y, x, y);
            if (set(col + 1, row)) stroke(c, x, y, x + 1, y);
            if (set(col, row + 1)) stroke(c, x, y, x, y + 1);
            if (set(col + 1, row + 1) && !set(col + 1, row) && !set(col, row + 1)) stroke(c, x, y, x + 1, y + 1);
            if (set(col - 1, row + 1) && !set(col - 1, row) && !set(col, row + 1)) stroke(c, x, y, x - 1, y + 1);
        }
    }
}

void drawFrame(Canvas& c)
{
    c.fill(0, 0, kBoardPictureWidth - 1, kFrameWidth - 1, kOlive);
    c.fill(0, kFrameWidth, kFrameWidth - 1, kLedgeTop - 1, kOlive);
    c.fill(kBoardPictureWidth - kFrameWidth, kFrameWidth, kBoardPictureWidth - 1, kLedgeTop - 1, kOlive);
}

void drawLedge(Canvas& c)
{
    c.fill(0, kLedgeTop, kBoardPictureWidth - 1, kLedgeFrontTop - 1, kLightGrey);
    c.fill(0, kLedgeFrontTop, kBoardPictureWidth - 1, kLedgeBottom - 1, kMidGrey);
    c.fill(0, kLedgeBottom, kBoardPictureWidth - 1, kLedgeBottom, kDarkGrey);

    // Chalk stick on the top face, casting a short shadow onto the front.
    c.fill(kChalkLeft, kLedgeTop, kChalkRight, kLedgeTop + 1, kWhite);
    c.fill(kChalkLeft + 1, kLedgeFrontTop, kChalkRight + 1, kLedgeFrontTop, kDarkGrey);

    // Chalk dust fallen onto the ledge's front.
    const int dust[][2] = {{60, 96}, {63, 97}, {67, 96}, {71, 97}, {118, 96}, {121, 97}, {150, 96}, {160, 97},
        {166, 96}, {197, 96}, {201, 97}, {206, 96}, {31, 96}, {28, 97}};
    for (const auto& d : dust) c.fill(d[0], d[1], d[0], d[1], kLightGrey);
}

void drawBlock(Canvas& c)
{
    c.fill(kBlockLeft, kBlockTop, kBlockRight, kBlockBottom, kYellow);
    c.fill(kBlockGapLeft, kBlockTop, kBlockGapRight, kBlockBottom, kBlack);
}

void drawLabels(Canvas& c)
{
    drawGlyph(c, kGlyphIma, 7, 5);  // 今日, beside today's lines
    drawGlyph(c, kGlyphHiWide, 19, 5);
    drawGlyph(c, kGlyphAkeMei, 7, 46);  // 明日, beside tomorrow's lines
    drawGlyph(c, kGlyphHiWide, 19, 46);
    drawGlyph(c, kGlyphTsuki, 233, 15);      // under the month number
    drawGlyph(c, kGlyphHiSmall, 233, 40);    // under the day number
    drawGlyph(c, kGlyphOpenParen, 225, 51);  // around the weekday name
    drawGlyph(c, kGlyphCloseParen, 244, 51);
    drawGlyph(c, kGlyphChecklist, 226, 63);
}

// The key-colour run of one corner in row `row` of the scaled picture,
// counted from the corner's own edge: the 100 % runs taken as a curve
// through the rows' centres, so that a larger corner is round, not stepped
// in blocks. At 100 % it is exactly the listed run.
template <int N> int cornerRun(const CornerRun (&runs)[N], int CornerRun::*side, int row, int dpi)
{
    auto run = [&](int r) { return r < N ? runs[r].*side : 0; };
    // The row's centre in 100 % rows, from the first row's centre: num / den.
    const long long num = (2LL * row + 1) * kBaseDpi - dpi;
    const long long den = 2LL * dpi;
    if (num < 0) return scaleToDpi(run(0), dpi);
    const int r = static_cast<int>(num / den);
    const long long part = num % den;
    const long long weighted = run(r) * (den - part) + run(r + 1) * part;  // the run times den
    return static_cast<int>((weighted * dpi + kBaseDpi / 2 * den) / (kBaseDpi * den));
}

// Last of all, so that the corners are exactly the computed pixels.
void cutCorners(BoardPicture& p, int dpi)
{
    for (int row = 0; row < p.height; ++row) {
        const int upper = row;
        const int lower = p.height - 1 - row;
        const int left = cornerRun(kUpperCorners, &CornerRun::left, upper, dpi)
            + cornerRun(kLowerCorners, &CornerRun::left, lower, dpi);
        const int right = cornerRun(kUpperCorners, &CornerRun::right, upper, dpi)
            + cornerRun(kLowerCorners, &CornerRun::right, lower, dpi);
        for (int i = 0; i < left; ++i) p.index[row][i] = kKey;
        for (int i = 0; i < right; ++i) p.index[row][p.width - 1 - i] = kKey;
    }
}

// The ledge's right end lies in shadow: the last pixels of each of its rows
// next to the cut corner are dark.
void shadeLedgeEnd(Canvas& c)
{
    for (int y = c.at(kLedgeTop); y < c.at(kLedgeBottom); ++y) {
        int x = c.p.width - 1;
        while (c.p.index[y][x] == kKey) --x;
        for (int i = 0; i < c.at(1); ++i) c.p.index[y][x - i] = kDarkGrey;
    }
}

}  // namespace

void drawBoardPicture(BoardPicture& picture, int dpi)
{
    picture.width = scaleToDpi(kBoardPictureWidth, dpi);
    picture.height = scaleToDpi(kBoardPictureHeight, dpi);
    Canvas c{picture, dpi};
    c.fill(0, 0, kBoardPictureWidth - 1, kBoardPictureHeight - 1, kGreen);
    drawFrame(c);
    drawLedge(c);
    drawBlock(c);
    drawLabels(c);
    cutCorners(picture, dpi);
    shadeLedgeEnd(c);
}
