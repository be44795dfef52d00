// Whatever a store within its limits holds comes back from the file: saved,
// then loaded into a reset store.
#include "settings_file/settings_file.h"
#include "tests/settings_file/store_fixture.h"

#include <climits>
#include <random>

namespace {

class StoreMaker {
public:
    explicit StoreMaker(unsigned seed) : random_(seed) { }

    // Fills the store with values the adjustments leave alone on the fake's
    // screen: a 1024 x 768 primary monitor and a second one to its right.
    void fill(bool full)
    {
        resetStore();
        if (pick(0, 1) == 0) {
            boardSettings.winX = pick(0, 1024 - kBoardOuterWidth);
            boardSettings.winY = pick(0, 768 - kBoardOuterHeight);
        } else {
            boardSettings.winX = pick(1024, 1024 + 1280 - kBoardOuterWidth);
            boardSettings.winY = pick(-100, -100 + 1024 - kBoardOuterHeight);
        }
        boardSettings.topmost = pick(0, 3) == 0 ? INT32_MAX : pick(0, 1);
        boardSettings.autoend = pick(0, 3) == 0 ? pick(0, INT32_MAX) : pick(0, 1);
        boardSettings.endsec = pick(0, 3) == 0 ? pick(0, INT32_MAX) : pick(0, 600);
        messageTable.MessageNum = full ? kMaxMessages : pick(0, kMaxMessages);
        for (int i = 0; i < kMaxMessages; ++i) {
            MessageEntry& entry = messageTable.entries[i];
            const int length = full || pick(0, 4) == 0 ? pick(120, kMessageTextSize - 1) : pick(0, 40);
            fillText(entry.text, length);
            entry.dateNum = full ? kMaxDatesPerMessage : pick(0, 3) == 0 ? pick(90, 100) : pick(0, 5);
            for (DateCode& code : entry.dates) code = pick(0, 1) == 0 ? pick(INT32_MIN, INT32_MAX) : pick(-1, 1231);
        }
    }

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    // Whole CP932 characters of one and two bytes, never NUL, CR or LF.
    void fillText(char* text, int length)
    {
        int at = 0;
        while (at < length) {
            const int kind = pick(0, 3);
            if (kind == 0 && at + 2 <= length) {
                const int lead = pick(0, 1) == 0 ? pick(0x81, 0x9F) : pick(0xE0, 0xFC);
                const int trail = pick(0, 1) == 0 ? pick(0x40, 0x7E) : pick(0x80, 0xFC);
                text[at++] = static_cast<char>(lead);
                text[at++] = static_cast<char>(trail);
            } else if (kind == 1) {
                text[at++] = static_cast<char>(pick(0xA1, 0xDF));  // half-width katakana
            } else {
                text[at++] = static_cast<char>(pick(0x20, 0x7E));  // '=' and spaces included
            }
        }
        text[at] = '\0';
    }

    std::mt19937 random_;
};

class RoundTrip : public StoreTest {
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        fake.monitors.push_back({1024, -100, 1024 + 1280, -100 + 1024});
    }

    void saveAndLoadBack(const char* what)
    {
        const StoreCopy saved = copyStore();
        ASSERT_EQ(saveSettings(board, nullptr), 0) << what;
        resetStore();
        ASSERT_EQ(loadSettings(board, nullptr), 0) << what;
        ASSERT_TRUE(countedPartsEqual(saved)) << what;
        ASSERT_TRUE(fake.boxes.empty()) << what;
    }
};

TEST_F(RoundTrip, RandomStoresWithinTheLimitsComeBackWhole)
{
    StoreMaker maker(1);
    for (int round = 0; round < 300; ++round) {
        maker.fill(round % 25 == 0);
        saveAndLoadBack(("round " + std::to_string(round)).c_str());
    }
}

// What the old 1000-byte limit lost: 16 messages of 30 bytes, 3 dates each.
TEST_F(RoundTrip, OrdinaryStoreOfMoreThan1000BytesComesBack)
{
    for (int i = 0; i < 16; ++i) addMessage("燃えるごみ・資源ごみ午前８時迄", {2, 19, 314});
    EXPECT_GT(composedSettingsText().size(), 1000u);
    saveAndLoadBack("16 messages");
}

}  // namespace
