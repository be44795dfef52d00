#include "tools/artgen/chalk_glyphs.h"

namespace {

const char* const kImaRows[] = {
    "....##....",
    "...#..#...",
    "..#....#..",
    ".#......#.",
    "#..####..#",
    "..........",
    ".#######..",
    ".......#..",
    "......#...",
    ".....#....",
};

const char* const kMeiRows[] = {
    ".....######",
    "####.#....#",
    "#..#.#....#",
    "#..#.######",
    "####.#....#",
    "#..#.#....#",
    "#..#.######",
    "####.#....#",
    ".....#....#",
    "....#...##.",
};

const char* const kHiWideRows[] = {
    "########",
    "#......#",
    "#......#",
    "#......#",
    "########",
    "#......#",
    "#......#",
    "#......#",
    "#......#",
    "########",
};

const char* const kTsukiRows[] = {
    ".######",
    ".#....#",
    ".#....#",
    ".######",
    ".#....#",
    ".#....#",
    ".######",
    ".#....#",
    ".#....#",
    "#.....#",
    "#...##.",
};

const char* const kHiSmallRows[] = {
    "#######",
    "#.....#",
    "#.....#",
    "#.....#",
    "#######",
    "#.....#",
    "#.....#",
    "#.....#",
    "#######",
};

const char* const kOpenParenRows[] = {
    "..#",
    ".#.",
    ".#.",
    "#..",
    "#..",
    "#..",
    "#..",
    "#..",
    ".#.",
    ".#.",
    "..#",
};

const char* const kCloseParenRows[] = {
    "#..",
    ".#.",
    ".#.",
    "..#",
    "..#",
    "..#",
    "..#",
    "..#",
    ".#.",
    ".#.",
    "#..",
};

// Three ticked-off boxes, the last one still open, each with a scribble.
const char* const kChecklistRows[] = {
    ".........#........",
    "........#.........",
    "########..........",
    "#.....#...........",
    "##...##.....#.#.#.",
    "#.#.#.#....#.#.#.#",
    "#..#..#...........",
    "#.....#...........",
    "#######...........",
    ".........#........",
    "........#.........",
    "########..........",
    "#.....#...........",
    "##...##.....#.#...",
    "#.#.#.#....#.#.#..",
    "#..#..#...........",
    "#.....#...........",
    "#######...........",
    "..................",
    "..................",
    "#######...........",
    "#.....#...........",
    "#.....#.....#.#.#.",
    "#.....#....#.#.#.#",
    "#.....#...........",
    "#.....#...........",
    "#######...........",
};

template <int N> constexpr ChalkGlyph glyph(const char* const (&rows)[N])
{
    int width = 0;
    while (rows[0][width] != '\0') ++width;
    return ChalkGlyph{width, N, rows};
}

}  // namespace

const ChalkGlyph kGlyphIma = glyph(kImaRows);
const ChalkGlyph kGlyphAkeMei = glyph(kMeiRows);
const ChalkGlyph kGlyphHiWide = glyph(kHiWideRows);
const ChalkGlyph kGlyphTsuki = glyph(kTsukiRows);
const ChalkGlyph kGlyphHiSmall = glyph(kHiSmallRows);
const ChalkGlyph kGlyphOpenParen = glyph(kOpenParenRows);
const ChalkGlyph kGlyphCloseParen = glyph(kCloseParenRows);
const ChalkGlyph kGlyphChecklist = glyph(kChecklistRows);
