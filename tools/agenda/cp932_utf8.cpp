#include "tools/agenda/cp932_utf8.h"

#include "text/cp932.h"

#include <cerrno>
#include <cstring>
#include <iconv.h>

namespace {

iconv_t decoder = reinterpret_cast<iconv_t>(-1);

constexpr char kReplacement[] = "\xEF\xBF\xBD";  // U+FFFD in UTF-8
constexpr int kReplacementLength = 3;

bool isOpen() { return decoder != reinterpret_cast<iconv_t>(-1); }

}  // namespace

bool openCp932Decoder()
{
    if (!isOpen()) decoder = iconv_open("UTF-8", "CP932");
    return isOpen();
}

int cp932ToUtf8(std::string_view text, char* out, int capacity)
{
    if (!isOpen() || capacity <= 0) return 0;
    iconv(decoder, nullptr, nullptr, nullptr, nullptr);

    char* in = const_cast<char*>(text.data());
    size_t inLeft = text.size();
    char* next = out;
    size_t outLeft = static_cast<size_t>(capacity);
    while (inLeft > 0) {
        if (iconv(decoder, &in, &inLeft, &next, &outLeft) != static_cast<size_t>(-1)) break;
        if (errno == E2BIG) break;  // out is full
        // EILSEQ: no CP932 character starts here. EINVAL: a lead byte ends
        // the text. A lead byte with a byte of the trail range after it is
        // taken as one unknown character of two bytes; any other byte, as
        // one of one byte, so that an ASCII byte after a stray lead byte
        // survives.
        const unsigned char first = static_cast<unsigned char>(in[0]);
        const size_t skip =
            inLeft >= 2 && isCp932LeadByte(first) && isCp932TrailByte(static_cast<unsigned char>(in[1])) ? 2 : 1;
        if (outLeft < static_cast<size_t>(kReplacementLength)) break;
        std::memcpy(next, kReplacement, kReplacementLength);
        next += kReplacementLength;
        outLeft -= kReplacementLength;
        in += skip;
        inLeft -= skip;
    }
    return static_cast<int>(next - out);
}
