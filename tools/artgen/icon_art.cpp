#include "tools/artgen/icon_art.h"

#include "tools/artgen/palette.h"

namespace {

constexpr int kFrame = 2;
constexpr int kLedgeTop = kIconDesignSize - 4;  // the ledge is the bottom four rows
constexpr int kLast = kIconDesignSize - 1;

// Places are given at the design size and land on the pixels they cover at
// the picture's own size.
int at(const IconPicture& p, int v) { return (v * p.size + kIconDesignSize / 2) / kIconDesignSize; }

void fillRect(IconPicture& p, int x0, int y0, int x1, int y1, unsigned char colour)
{
    for (int y = at(p, y0); y < at(p, y1 + 1); ++y)
        for (int x = at(p, x0); x < at(p, x1 + 1); ++x) p.index[y * p.size + x] = colour;
}

// A handwritten line seen from afar: a zigzag two pixels high.
void scribble(IconPicture& p, int x0, int x1, int top, unsigned char colour)
{
    const int y = at(p, top);
    for (int x = at(p, x0); x < at(p, x1 + 1); ++x) p.index[(y + x % 2) * p.size + x] = colour;
}

// One day's block: a short label at the left and two written lines.
void dayLines(IconPicture& p, int top, int firstEnd, int secondEnd)
{
    fillRect(p, 4, top, 6, top + 1, kIconWhite);
    scribble(p, 9, firstEnd, top, kIconLime);
    scribble(p, 9, secondEnd, top + 4, kIconSilver);
}

}  // namespace

void drawIconPicture(IconPicture& picture, int size)
{
    picture.size = size;
    fillRect(picture, 0, 0, kLast, kLedgeTop - 1, kIconOlive);
    fillRect(picture, kFrame, kFrame, kLast - kFrame, kLedgeTop - 1, kIconBlack);

    dayLines(picture, 5, 27, 22);
    dayLines(picture, 15, 25, 16);

    fillRect(picture, 0, kLedgeTop, kLast, kLedgeTop, kIconSilver);
    fillRect(picture, 0, kLedgeTop + 1, kLast, kLast, kIconGrey);

    // Two yellow blocks resting on the ledge at the lower right.
    fillRect(picture, 20, 24, 23, kLedgeTop, kIconYellow);
    fillRect(picture, 25, 24, 28, kLedgeTop, kIconYellow);
}
