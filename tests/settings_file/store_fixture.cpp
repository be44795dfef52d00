#include "tests/settings_file/store_fixture.h"

#include <cstring>

BoardState board;

void StoreTest::SetUp()
{
    installFakePlatform();
    resetBoardState(board);
}

void StoreTest::TearDown() { removeFakePlatform(); }

void addMessage(std::string_view text, std::initializer_list<DateCode> dates)
{
    MessageEntry& entry = messageTable.entries[messageTable.MessageNum++];
    std::memcpy(entry.text, text.data(), text.size());
    entry.text[text.size()] = '\0';
    entry.dateNum = static_cast<int32_t>(dates.size());
    int slot = 0;
    for (DateCode code : dates) entry.dates[slot++] = code;
}

std::string composedSettingsText()
{
    std::string text(kSettingsFileMaxBytes, '\0');
    const int length = composeSettingsText(board.schedule, text.data(), kSettingsFileMaxBytes);
    text.resize(length < 0 ? 0 : static_cast<size_t>(length));
    return text;
}

void applyText(std::string_view text, const ScreenGeometry& screen)
{
    applySettingsText(text, board.schedule);
    fitBoardOnScreen(boardSettings, screen);
}

StoreCopy copyStore() { return {boardSettings, std::make_unique<MessageTable>(messageTable)}; }

bool storeEquals(const StoreCopy& copy)
{
    return std::memcmp(&copy.settings, &boardSettings, sizeof boardSettings) == 0
        && std::memcmp(copy.table.get(), &messageTable, sizeof messageTable) == 0;
}

::testing::AssertionResult countedPartsEqual(const StoreCopy& expected)
{
    const BoardSettings& a = expected.settings;
    const BoardSettings& b = boardSettings;
    if (a.winX != b.winX || a.winY != b.winY || a.topmost != b.topmost || a.autoend != b.autoend
        || a.endsec != b.endsec)
        return ::testing::AssertionFailure() << "board settings differ";
    if (expected.table->MessageNum != messageTable.MessageNum)
        return ::testing::AssertionFailure()
            << "MessageNum " << messageTable.MessageNum << ", expected " << expected.table->MessageNum;
    for (int i = 0; i < messageTable.MessageNum; ++i) {
        const MessageEntry& want = expected.table->entries[i];
        const MessageEntry& got = messageTable.entries[i];
        if (std::strcmp(want.text, got.text) != 0)
            return ::testing::AssertionFailure() << "text of message " << i << ": \"" << got.text << "\"";
        if (want.dateNum != got.dateNum)
            return ::testing::AssertionFailure() << "dateNum of message " << i << ": " << got.dateNum;
        for (int k = 0; k < want.dateNum; ++k)
            if (want.dates[k] != got.dates[k])
                return ::testing::AssertionFailure() << "date slot " << k << " of message " << i;
    }
    return ::testing::AssertionSuccess();
}
