// The order of closing the board, apart from the window system so that its
// guard against a second entry can be tested. A message box inside a step
// (the save failure box) runs a nested message loop, and anything that
// reaches the close routine from there must not save, release or quit again.
#pragma once

enum class CloseProgress { Open, Closing, Closed };

struct CloseSteps {
    void (*stopTimers)(void* window);       // first, so no tick can re-enter
    void (*catchUpWithFile)(void* window);  // an outside change is read before the save
    void (*recordPosition)(void* window);
    void (*save)(void* window);
    void (*releaseGraphics)();
    void (*removeTrayIcon)(void* window);
    void (*requestQuit)();
};

// Runs the steps in the order of the fields, once: an entry while a close is
// in progress or done returns at once. Result 0.
int runCloseSequence(CloseProgress& progress, const CloseSteps& steps, void* window);
