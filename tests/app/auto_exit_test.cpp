#include "app/auto_exit.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

struct StartCase {
    int autoend, endsec;
    bool timer;
    int storedEndsec;
};

const StartCase kStartCases[] = {
    {1, 3, true, 5},  // raised: the file saved at close holds 5
    {1, 4, true, 5},
    {1, 5, true, 5},
    {1, 10, true, 10},
    {1, 0, true, 5},
    {1, -7, true, 5},
    {0, 3, false, 3},  // no timer, nothing raised
    {2, 3, false, 3},  // only exactly 1 turns it on
    {-1, 10, false, 10},
};

TEST(AutoExit, Start)
{
    for (const StartCase& c : kStartCases) {
        AutoExitStart start = startAutoExit(c.autoend, c.endsec);
        EXPECT_EQ(start.startTimer, c.timer) << c.autoend << "/" << c.endsec;
        EXPECT_EQ(start.endsec, c.storedEndsec) << c.autoend << "/" << c.endsec;
    }
}

// One tick of a run: what the dialog flag and endsec are at that tick.
struct Tick {
    int endsec;
    int modalOpen;
};

// Runs the ticks from creation on and gives the 1-based tick that closes,
// 0 when none does.
int closingTick(const std::vector<Tick>& ticks)
{
    int count = 0;
    for (size_t i = 0; i < ticks.size(); ++i) {
        AutoExitTick tick = countAutoExitTick(count, ticks[i].endsec, ticks[i].modalOpen);
        EXPECT_EQ(tick.ticks, count + 1);
        count = tick.ticks;
        if (tick.close) return static_cast<int>(i) + 1;
    }
    return 0;
}

std::vector<Tick> steady(int n, int endsec, int modalOpen = 0) { return std::vector<Tick>(n, Tick{endsec, modalOpen}); }

std::vector<Tick> join(std::vector<Tick> a, const std::vector<Tick>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct RunCase {
    const char* what;
    std::vector<Tick> ticks;
    int closesOn;
};

TEST(AutoExit, Runs)
{
    const int raised = startAutoExit(1, 3).endsec;
    const RunCase cases[] = {
        {"endsec 3 in the file closes on the 5th tick", steady(10, raised), 5},
        {"endsec 10 closes on the 10th", steady(20, 10), 10},
        {"a dialog open when due holds it off until the tick after it closes", join(steady(12, 10, 1), steady(5, 10)),
            13},
        {"a dialog open throughout never closes", steady(30, 10, 1), 0},
        {"endsec lowered below the ticks counted closes on the next tick", join(steady(7, 30, 1), steady(3, 5)), 8},
        {"endsec raised while running pushes the close back", join(steady(4, 5), steady(20, 15)), 15},
    };
    for (const RunCase& c : cases) EXPECT_EQ(closingTick(c.ticks), c.closesOn) << c.what;
}

TEST(AutoExit, CountDoesNotWrap)
{
    AutoExitTick tick = countAutoExitTick(INT_MAX, INT_MAX, 1);
    EXPECT_EQ(tick.ticks, INT_MAX);
    EXPECT_FALSE(tick.close);
    EXPECT_TRUE(countAutoExitTick(INT_MAX, INT_MAX, 0).close);
}

}  // namespace
