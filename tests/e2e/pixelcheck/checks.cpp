#include "checks.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

const char kCheckUsage[] =
    "checks (C is R,G,B; rectangles X0 Y0 X1 Y1 include both corners):\n"
    "  origin X Y                      later coordinates are relative to X Y\n"
    "  pixel X Y C                     the pixel is exactly C\n"
    "  not X Y C                       the pixel is not C\n"
    "  all X0 Y0 X1 Y1 C               every pixel of the rectangle is C\n"
    "  none X0 Y0 X1 Y1 C              no pixel of the rectangle is C\n"
    "  count X0 Y0 X1 Y1 C MIN MAX     MIN..MAX pixels are C (MAX -1: no upper bound)\n"
    "  left|right|top|bottom X0 Y0 X1 Y1 C MIN MAX\n"
    "                                  the outermost C pixel on that side lies in MIN..MAX\n"
    "  shadow X0 Y0 X1 Y1 C DX DY C2 MIN\n"
    "                                  at least MIN pixels are C, and each has C2 at\n"
    "                                  (x - DX, y - DY): a copy of C2 shifted by DX, DY\n"
    "  differ FILE X0 Y0 X1 Y1 MIN MAX MIN..MAX pixels differ from the same pixels of\n"
    "                                  FILE, a screenshot of the same size\n"
    "  mask X0 Y0 X1 Y1 C              print a hash and the count of the C pixels\n"
    "  dump X0 Y0 X1 Y1                print the pixels\n";

namespace {
struct Rect {
    int x0, y0, x1, y1;
};

bool parseInt(const char* word, int& value)
{
    char* end = nullptr;
    long parsed = std::strtol(word, &end, 10);
    if (end == word || *end) return false;
    value = static_cast<int>(parsed);
    return true;
}

bool parseColour(const char* word, Rgb& colour)
{
    return std::sscanf(word, "%d,%d,%d", &colour.r, &colour.g, &colour.b) == 3;
}

std::string colourText(const Rgb& c)
{
    char text[32];
    std::snprintf(text, sizeof text, "%d,%d,%d", c.r, c.g, c.b);
    return text;
}

// Rectangle in absolute coordinates, or false when it leaves the image.
bool absoluteRect(const CheckContext& context, const Rect& r, Rect& out)
{
    out = {r.x0 + context.originX, r.y0 + context.originY, r.x1 + context.originX, r.y1 + context.originY};
    return out.x0 <= out.x1 && out.y0 <= out.y1 && context.image.contains(out.x0, out.y0)
        && context.image.contains(out.x1, out.y1);
}

struct Words {
    char** words;
    int available;
    int next = 1;
    bool ok = true;

    int integer()
    {
        int value = 0;
        if (next >= available || !parseInt(words[next], value)) ok = false;
        ++next;
        return value;
    }
    Rgb colour()
    {
        Rgb value = {0, 0, 0};
        if (next >= available || !parseColour(words[next], value)) ok = false;
        ++next;
        return value;
    }
    Rect rect()
    {
        Rect r;
        r.x0 = integer();
        r.y0 = integer();
        r.x1 = integer();
        r.y1 = integer();
        return r;
    }
};

std::string where(int x, int y)
{
    char text[40];
    std::snprintf(text, sizeof text, "(%d,%d)", x, y);
    return text;
}

CheckOutcome outsideImage(int used)
{
    CheckOutcome outcome;
    outcome.used = used;
    outcome.passed = false;
    outcome.report = "outside the screenshot";
    return outcome;
}

// Outermost pixel of colour c in r towards side; false when there is none.
bool outermost(const CheckContext& context, const Rect& r, const Rgb& c, const char* side, int& found)
{
    bool any = false;
    for (int y = r.y0; y <= r.y1; ++y)
        for (int x = r.x0; x <= r.x1; ++x) {
            if (!(context.image.at(x, y) == c)) continue;
            int value = (side[0] == 'l' || side[0] == 'r') ? x - context.originX : y - context.originY;
            bool better = !any || ((side[0] == 'l' || side[0] == 't') ? value < found : value > found);
            if (better) found = value;
            any = true;
        }
    return any;
}
}  // namespace

CheckOutcome runCheck(CheckContext& context, char** words, int available, std::string& error)
{
    const char* name = words[0];
    Words in{words, available};
    CheckOutcome outcome;
    auto is = [&](const char* n) { return std::strcmp(name, n) == 0; };

    if (is("origin")) {
        int x = in.integer();
        int y = in.integer();
        if (in.ok) {
            context.originX = x;
            context.originY = y;
        }
    } else if (is("pixel") || is("not")) {
        int x = in.integer();
        int y = in.integer();
        Rgb want = in.colour();
        if (in.ok) {
            int ax = x + context.originX;
            int ay = y + context.originY;
            if (!context.image.contains(ax, ay)) return outsideImage(in.next);
            Rgb seen = context.image.at(ax, ay);
            outcome.passed = is("pixel") ? seen == want : !(seen == want);
            outcome.report = "seen " + colourText(seen);
        }
    } else if (is("all") || is("none") || is("count")) {
        Rect r = in.rect();
        Rgb want = in.colour();
        int min = 0;
        int max = -1;
        if (is("count")) {
            min = in.integer();
            max = in.integer();
        }
        if (in.ok) {
            Rect a;
            if (!absoluteRect(context, r, a)) return outsideImage(in.next);
            int count = 0;
            int total = 0;
            std::string first;
            for (int y = a.y0; y <= a.y1; ++y)
                for (int x = a.x0; x <= a.x1; ++x) {
                    ++total;
                    bool match = context.image.at(x, y) == want;
                    count += match ? 1 : 0;
                    bool offending = is("all") ? !match : is("none") ? match : false;
                    if (offending && first.empty())
                        first = " first at " + where(x - context.originX, y - context.originY) + " "
                            + colourText(context.image.at(x, y));
                }
            if (is("all")) outcome.passed = count == total;
            if (is("none")) outcome.passed = count == 0;
            if (is("count")) outcome.passed = count >= min && (max < 0 || count <= max);
            outcome.report = std::to_string(count) + " of " + std::to_string(total) + " pixels" + first;
        }
    } else if (is("left") || is("right") || is("top") || is("bottom")) {
        Rect r = in.rect();
        Rgb want = in.colour();
        int min = in.integer();
        int max = in.integer();
        if (in.ok) {
            Rect a;
            if (!absoluteRect(context, r, a)) return outsideImage(in.next);
            int found = 0;
            if (!outermost(context, a, want, name, found)) {
                outcome.passed = false;
                outcome.report = "no such pixel";
            } else {
                outcome.passed = found >= min && found <= max;
                outcome.report = std::string(name) + " at " + std::to_string(found);
            }
        }
    } else if (is("shadow")) {
        Rect r = in.rect();
        Rgb want = in.colour();
        int dx = in.integer();
        int dy = in.integer();
        Rgb under = in.colour();
        int min = in.integer();
        if (in.ok) {
            Rect a;
            if (!absoluteRect(context, r, a)) return outsideImage(in.next);
            int count = 0;
            int orphans = 0;
            std::string first;
            for (int y = a.y0; y <= a.y1; ++y)
                for (int x = a.x0; x <= a.x1; ++x) {
                    if (!(context.image.at(x, y) == want)) continue;
                    ++count;
                    int sx = x - dx;
                    int sy = y - dy;
                    if (context.image.contains(sx, sy) && context.image.at(sx, sy) == under) continue;
                    ++orphans;
                    if (first.empty()) first = " first at " + where(x - context.originX, y - context.originY);
                }
            outcome.passed = count >= min && orphans == 0;
            outcome.report =
                std::to_string(count) + " pixels, " + std::to_string(orphans) + " without their shifted copy" + first;
        }
    } else if (is("differ")) {
        const char* other = in.next < available ? words[in.next] : nullptr;
        ++in.next;
        Rect r = in.rect();
        int min = in.integer();
        int max = in.integer();
        if (in.ok && other) {
            Rect a;
            if (!absoluteRect(context, r, a)) return outsideImage(in.next);
            RawImage second;
            if (!loadRawImage(other, context.image.width, context.image.height, second)) {
                outcome.passed = false;
                outcome.report = std::string("cannot read ") + other + " as a screenshot of the same size";
            } else {
                int count = 0;
                std::string first;
                for (int y = a.y0; y <= a.y1; ++y)
                    for (int x = a.x0; x <= a.x1; ++x) {
                        if (context.image.at(x, y) == second.at(x, y)) continue;
                        ++count;
                        if (first.empty())
                            first = " first at " + where(x - context.originX, y - context.originY) + " "
                                + colourText(context.image.at(x, y)) + " vs " + colourText(second.at(x, y));
                    }
                outcome.passed = count >= min && (max < 0 || count <= max);
                outcome.report = std::to_string(count) + " pixels differ" + first;
            }
        }
    } else if (is("mask")) {
        Rect r = in.rect();
        Rgb want = in.colour();
        if (in.ok) {
            Rect a;
            if (!absoluteRect(context, r, a)) return outsideImage(in.next);
            std::uint64_t hash = 1469598103934665603ull;  // FNV-1a over the positions
            int count = 0;
            for (int y = a.y0; y <= a.y1; ++y)
                for (int x = a.x0; x <= a.x1; ++x) {
                    bool match = context.image.at(x, y) == want;
                    count += match ? 1 : 0;
                    hash = (hash ^ (match ? 1u : 0u)) * 1099511628211ull;
                }
            char text[64];
            std::snprintf(text, sizeof text, "mask %016llx %d", static_cast<unsigned long long>(hash), count);
            outcome.report = text;
        }
    } else if (is("dump")) {
        Rect r = in.rect();
        if (in.ok) {
            Rect a;
            if (!absoluteRect(context, r, a)) return outsideImage(in.next);
            for (int y = a.y0; y <= a.y1; ++y) {
                outcome.report += "y " + std::to_string(y - context.originY) + ":";
                for (int x = a.x0; x <= a.x1; ++x) outcome.report += " " + colourText(context.image.at(x, y));
                outcome.report += "\n";
            }
        }
    } else {
        error = std::string("unknown check ") + name;
        return CheckOutcome{0, false, ""};
    }
    if (!in.ok || in.next > available) {
        error = std::string("bad arguments for ") + name;
        return CheckOutcome{0, false, ""};
    }
    outcome.used = in.next;
    return outcome;
}
