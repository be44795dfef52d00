#include "app/file_looks.h"

#include <gtest/gtest.h>

namespace {

TEST(FileLooks, GoOnWhileAVersionWaitsFailsOrTheStartsReadIsOwed)
{
    struct Case {
        FileLook look;
        bool unread;
        bool keep;
    };
    const Case cases[] = {
        {FileLook::unchanged, false, false},
        {FileLook::settling, false, true},
        {FileLook::reloaded, false, false},
        {FileLook::firstRead, false, false},
        {FileLook::keptEdits, false, false},
        {FileLook::unreadable, false, true},  // a program that lets go tells the folder nothing
        {FileLook::unchanged, true, true},
        {FileLook::unreadable, true, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(keepLooking(c.look, c.unread), c.keep) << static_cast<int>(c.look) << " " << c.unread;
}

}  // namespace
