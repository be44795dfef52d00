// Shared helpers: a fresh store and a fake platform for every test, and
// short ways to fill the store and to read its text.
#pragma once

#include "schedule/store.h"
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

// A primary screen of 800 x 600 and no other monitor.
constexpr ScreenGeometry kScreen800x600 = {800, 600, nullptr};

// Appends a message to the store.
void addMessage(std::string_view text, std::initializer_list<DateCode> dates);
// The whole composed text of the current store.
std::string composedSettingsText();
// Applies text to the store on the 800 x 600 screen.
void applyText(std::string_view text);

// A copy of the whole store, to compare before and after.
struct StoreCopy {
    BoardSettings settings;
    std::unique_ptr<MessageTable> table;
};
StoreCopy copyStore();
bool storeEquals(const StoreCopy& copy);  // every byte, counted or not
// Settings, MessageNum, and each counted message's text, dateNum and dates.
::testing::AssertionResult countedPartsEqual(const StoreCopy& expected);
