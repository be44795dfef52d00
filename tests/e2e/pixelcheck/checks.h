// The checks that pixelcheck runs against one screenshot. Each takes its
// words from the command line; coordinates are relative to the current
// origin and rectangles include both corners.
#pragma once

#include <string>

#include "raw_image.h"

struct CheckContext {
    const RawImage& image;
    int originX = 0;
    int originY = 0;
    bool verbose = false;
};

// Runs the check that starts at words[0] and reads as many words as it
// takes; returns the number of words used (0 when the words do not form a
// check, with a message in error). passed tells the outcome, report what was
// seen when it failed or what a reporting check prints.
struct CheckOutcome {
    int used = 0;
    bool passed = true;
    std::string report;
};
CheckOutcome runCheck(CheckContext& context, char** words, int available, std::string& error);

// The usage text listing every check.
extern const char kCheckUsage[];
