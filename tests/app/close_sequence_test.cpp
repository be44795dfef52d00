#include "app/close_sequence.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// What the steps did, in order, and the routine's state while they run.
std::string journal;
CloseProgress progress;
void* const kWindow = &journal;
CloseSteps steps;
// Called from inside the save step, as a timer tick or WM_DESTROY reaching
// the close routine from the save failure box's message loop would.
void (*duringSave)() = nullptr;

void note(const char* step, void* window)
{
    EXPECT_EQ(window, kWindow) << step;
    journal += step;
    journal += ' ';
}

void stopTimers(void* window) { note("stop", window); }
void catchUpWithFile(void* window) { note("catchup", window); }
void recordPosition(void* window) { note("record", window); }
void save(void* window)
{
    note("save", window);
    if (duringSave) duringSave();
}
void releaseGraphics() { note("release", kWindow); }
void removeTrayIcon(void* window) { note("untray", window); }
void requestQuit() { note("quit", kWindow); }

void reenter() { EXPECT_EQ(runCloseSequence(progress, steps, kWindow), 0); }

class CloseSequence : public testing::Test {
protected:
    void SetUp() override
    {
        journal.clear();
        progress = CloseProgress::Open;
        steps = {stopTimers, catchUpWithFile, recordPosition, save, releaseGraphics, removeTrayIcon, requestQuit};
        duringSave = nullptr;
    }
};

const char kOnce[] = "stop catchup record save release untray quit ";

TEST_F(CloseSequence, RunsEveryStepOnceTimerFirst)
{
    EXPECT_EQ(runCloseSequence(progress, steps, kWindow), 0);
    EXPECT_EQ(journal, kOnce);
    EXPECT_EQ(progress, CloseProgress::Closed);
}

TEST_F(CloseSequence, EntryDuringTheSaveBoxDoesNothing)
{
    duringSave = [] {
        EXPECT_EQ(progress, CloseProgress::Closing);
        reenter();
        reenter();
    };
    runCloseSequence(progress, steps, kWindow);
    EXPECT_EQ(journal, kOnce);
}

TEST_F(CloseSequence, EntryAfterTheCloseDoesNothing)
{
    runCloseSequence(progress, steps, kWindow);
    reenter();  // WM_DESTROY after a click or the auto-exit already closed
    EXPECT_EQ(journal, kOnce);
    EXPECT_EQ(progress, CloseProgress::Closed);
}

}  // namespace
