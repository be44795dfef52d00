#include "tools/artgen/icon_art.h"

#include "tools/artgen/palette.h"

namespace {

constexpr int kFrame = 2;
constexpr int kLedgeTop = kIconSize - 4;  // the ledge is the bottom four rows

void fillRect(IconPicture& p, int x0, int y0, int x1, int y1, unsigned char colour)
{
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) p.index[y][x] = colour;
}

// A handwritten line seen from afar: a zigzag two pixels high.
void scribble(IconPicture& p, int x0, int x1, int top, unsigned char colour)
{
    for (int x = x0; x <= x1; ++x) p.index[top + (x % 2)][x] = colour;
}

// One day's block: a short label at the left and two written lines.
void dayLines(IconPicture& p, int top, int firstEnd, int secondEnd)
{
    fillRect(p, 4, top, 6, top + 1, kIconWhite);
    scribble(p, 9, firstEnd, top, kIconLime);
    scribble(p, 9, secondEnd, top + 4, kIconSilver);
}

}  // namespace

void drawIconPicture(IconPicture& picture)
{
    fillRect(picture, 0, 0, kIconSize - 1, kLedgeTop - 1, kIconOlive);
    fillRect(picture, kFrame, kFrame, kIconSize - 1 - kFrame, kLedgeTop - 1, kIconBlack);

    dayLines(picture, 5, 27, 22);
    dayLines(picture, 15, 25, 16);

    fillRect(picture, 0, kLedgeTop, kIconSize - 1, kLedgeTop, kIconSilver);
    fillRect(picture, 0, kLedgeTop + 1, kIconSize - 1, kIconSize - 1, kIconGrey);

    // Two yellow blocks resting on the ledge at the lower right.
    fillRect(picture, 20, 24, 23, kLedgeTop, kIconYellow);
    fillRect(picture, 25, 24, 28, kLedgeTop, kIconYellow);
}
