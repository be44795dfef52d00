#include "app/close_sequence.h"

int runCloseSequence(CloseProgress& progress, const CloseSteps& steps, void* window)
{
    if (progress != CloseProgress::Open) return 0;
    progress = CloseProgress::Closing;
    steps.stopTimers(window);
    steps.catchUpWithFile(window);
    steps.recordPosition(window);
    steps.save(window);
    steps.releaseGraphics();
    steps.removeTrayIcon(window);
    steps.requestQuit();
    progress = CloseProgress::Closed;
    return 0;
}
