// Hand-drawn chalk writing of the board picture, as small pixel glyphs:
// '#' is a chalk stroke, any other character leaves the board as it is.
#pragma once

struct ChalkGlyph {
    int width;
    int height;
    const char* const* rows;
};

extern const ChalkGlyph kGlyphIma;      // 今
extern const ChalkGlyph kGlyphAkeMei;   // 明
extern const ChalkGlyph kGlyphHiWide;   // 日, beside the day lines
extern const ChalkGlyph kGlyphTsuki;    // 月, under the month number
extern const ChalkGlyph kGlyphHiSmall;  // 日, under the day number
extern const ChalkGlyph kGlyphOpenParen;
extern const ChalkGlyph kGlyphCloseParen;
extern const ChalkGlyph kGlyphChecklist;  // little to-do list under the weekday
