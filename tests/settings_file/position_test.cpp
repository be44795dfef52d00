// The board's position with more than one monitor: a position wholly on one
// monitor's full area stays; any other is pulled onto the primary screen.
#include "tests/settings_file/store_fixture.h"

#include <ostream>
#include <random>
#include <string>

namespace {

constexpr MonitorRect kPrimary = {0, 0, 1920, 1080};
constexpr MonitorRect kRightOfPrimary = {1920, 0, 3200, 1024};
constexpr MonitorRect kLeftOfPrimary = {-1280, -200, 0, 824};

bool onTheMonitors(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    for (const MonitorRect& m : {kPrimary, kRightOfPrimary, kLeftOfPrimary})
        if (left >= m.left && top >= m.top && right <= m.right && bottom <= m.bottom) return true;
    return false;
}

constexpr ScreenGeometry kThreeMonitors = {1920, 1080, onTheMonitors};

struct PositionCase {
    const char* name;
    int32_t winX, winY;
    int32_t expectedX, expectedY;
};

void PrintTo(const PositionCase& c, std::ostream* out) { *out << c.name; }

const PositionCase kPositionCases[] = {
    {"on_the_primary", 100, 200, 100, 200},
    {"wholly_on_the_right_monitor", 2000, 300, 2000, 300},
    {"flush_with_the_right_monitors_far_corner", 3200 - 250, 1024 - 100, 3200 - 250, 1024 - 100},
    {"a_pixel_past_the_right_monitor", 3200 - 249, 1024 - 100, 1664, 924},
    {"wholly_on_the_left_monitor", -1280, -200, -1280, -200},
    {"straddling_two_monitors", 1800, 100, 1664, 100},
    {"below_the_right_monitor", 2000, 1000, 1664, 974},
    {"off_every_monitor", 5000, -500, 1664, 0},
    {"partly_off_the_left_monitor", -1300, 0, 0, 0},
};

class MonitorPosition : public StoreTest, public ::testing::WithParamInterface<PositionCase> { };

TEST_P(MonitorPosition, IsKeptOnlyWhollyOnOneMonitor)
{
    const PositionCase& c = GetParam();
    applyText("winX=" + std::to_string(c.winX) + "\r\nwinY=" + std::to_string(c.winY) + "\r\n", kThreeMonitors);
    EXPECT_EQ(boardSettings.winX, c.expectedX);
    EXPECT_EQ(boardSettings.winY, c.expectedY);
}

INSTANTIATE_TEST_SUITE_P(Positions, MonitorPosition, ::testing::ValuesIn(kPositionCases),
    [](const auto& info) { return std::string(info.param.name); });

bool onlyThe800x600Screen(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    return left >= 0 && top >= 0 && right <= 800 && bottom <= 600;
}

// With a single monitor, the primary screen is the one monitor: the board
// may stand flush with its right and bottom edges.
TEST_F(StoreTest, OneMonitorGivesThePrimaryScreenAdjustment)
{
    applyText("winX=550\r\nwinY=500\r\n", kScreen800x600);
    EXPECT_EQ(boardSettings.winX, 550);
    EXPECT_EQ(boardSettings.winY, 500);
    applyText("winX=551\r\nwinY=501\r\n", kScreen800x600);
    EXPECT_EQ(boardSettings.winX, 544);
    EXPECT_EQ(boardSettings.winY, 494);

    std::mt19937 random(7);
    std::uniform_int_distribution<int32_t> coordinate(-1200, 1200);
    for (int round = 0; round < 5000; ++round) {
        const std::string text =
            "winX=" + std::to_string(coordinate(random)) + "\r\nwinY=" + std::to_string(coordinate(random)) + "\r\n";
        applyText(text, ScreenGeometry{800, 600, onlyThe800x600Screen});
        const BoardSettings withMonitor = boardSettings;
        applyText(text, kScreen800x600);
        ASSERT_EQ(withMonitor.winX, boardSettings.winX) << text;
        ASSERT_EQ(withMonitor.winY, boardSettings.winY) << text;
    }
}

// At 200 %: a place where the 100 % board fits but the 500 x 200 one does
// not is pulled back by the whole 506 x 206 window.
TEST_F(StoreTest, TheBoardIsCheckedAtTheScreensScale)
{
    applyText("winX=600\r\nwinY=500\r\n", ScreenGeometry{1024, 768, nullptr, {500, 200}, {506, 206}});
    EXPECT_EQ(boardSettings.winX, 518);
    EXPECT_EQ(boardSettings.winY, 500);
}

}  // namespace
