// Settings files saved by editors in UTF-16 or UTF-8, turned into the code
// page 932 text that the reader and the rest of the program work in. The
// same conversion serves the program and notavex-agenda, so both read such
// a file alike.
#pragma once

enum class TextEncoding { cp932, utf8, utf16le, utf16be };

struct Cp932Conversion {
    TextEncoding source;
    // Some character had no CP932 form and became "?": the text is not the
    // file's whole content.
    bool lossy;
    int length;  // of the CP932 text
};

// Converts a settings file's bytes (length at most kSettingsFileMaxBytes) to
// CP932 in place, the mark dropped; a CP932 text is left as it is. Taken as
// other than CP932: a text that starts with a UTF-16 (LE or BE) or UTF-8
// byte-order mark, or is valid UTF-8 as a whole with at least one sequence
// of three or four bytes. A two-byte sequence must be a character of
// Latin-1 or one CP932 has (×, °, é, Greek): pairs of CP932 half-width
// katakana such as ﾈｺ form valid ones of other characters. Characters that
// Japanese encodings spell two ways (〜 U+301C and U+FF5E, and the like)
// give the one CP932 character Windows reads back. The result is never
// longer than the input; no NUL is added.
Cp932Conversion convertSettingsTextToCp932(char* text, int length);
