// Shared helpers: a fresh board and a fake platform for every test, and
// short ways to fill the board's schedule and to read its text.
#pragma once

#include "schedule/store.h"
#include "settings_file/settings_file.h"
#include "settings_file/settings_text.h"
#include "tests/settings_file/fake_platform.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

class StoreTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

// The board the tests load and save through, and its schedule under the
// names the tests read it by.
extern BoardState board;
inline BoardSettings& boardSettings = board.schedule.settings;
inline MessageTable& messageTable = board.schedule.table;
inline void resetStore() { resetStore(board.schedule); }

// A primary screen of 800 x 600 and no other monitor.
constexpr ScreenGeometry kScreen800x600 = {800, 600, nullptr};

// Appends a message to the board's schedule.
void addMessage(std::string_view text, std::initializer_list<DateCode> dates);
// The whole composed text of the board's schedule.
std::string composedSettingsText();
// Applies text to the board's schedule and fits the board on the screen.
void applyText(std::string_view text, const ScreenGeometry& screen = kScreen800x600);

// A copy of the whole schedule, to compare before and after.
struct StoreCopy {
    BoardSettings settings;
    std::unique_ptr<MessageTable> table;
};
StoreCopy copyStore();
bool storeEquals(const StoreCopy& copy);  // every byte, counted or not
// Settings, MessageNum, and each counted message's text, dateNum and dates.
::testing::AssertionResult countedPartsEqual(const StoreCopy& expected);
