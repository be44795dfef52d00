// pixelcheck: checks pixels of a raw RGB screenshot, many checks against one
// dump. Usage: pixelcheck [-v] FILE WIDTH HEIGHT CHECK...
// Prints one line for each failed check (all with -v) and exits 1 when any
// check failed, 2 on a usage error.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "checks.h"
#include "raw_image.h"

int main(int argc, char** argv)
{
    int first = 1;
    bool verbose = false;
    if (argc > 1 && std::strcmp(argv[1], "-v") == 0) {
        verbose = true;
        first = 2;
    }
    if (argc - first < 3) {
        std::fprintf(stderr, "usage: pixelcheck [-v] FILE WIDTH HEIGHT CHECK...\n%s", kCheckUsage);
        return 2;
    }
    RawImage image;
    const char* path = argv[first];
    if (!loadRawImage(path, std::atoi(argv[first + 1]), std::atoi(argv[first + 2]), image)) {
        std::fprintf(stderr, "pixelcheck: cannot read %s as %sx%s RGB\n", path, argv[first + 1], argv[first + 2]);
        return 2;
    }
    CheckContext context{image};
    context.verbose = verbose;
    int failed = 0;
    for (int i = first + 3; i < argc;) {
        std::string error;
        CheckOutcome outcome = runCheck(context, argv + i, argc - i, error);
        if (outcome.used == 0) {
            std::fprintf(stderr, "pixelcheck: %s\n%s", error.c_str(), kCheckUsage);
            return 2;
        }
        std::string words;
        for (int k = 0; k < outcome.used; ++k) words += (k ? " " : "") + std::string(argv[i + k]);
        bool reporting = std::strcmp(argv[i], "mask") == 0 || std::strcmp(argv[i], "dump") == 0;
        if (reporting)
            std::printf("%s\n", outcome.report.c_str());
        else if (!outcome.passed)
            std::printf("FAIL %s: %s\n", words.c_str(), outcome.report.c_str());
        else if (verbose)
            std::printf("ok   %s: %s\n", words.c_str(), outcome.report.c_str());
        failed += outcome.passed ? 0 : 1;
        i += outcome.used;
    }
    return failed ? 1 : 0;
}
