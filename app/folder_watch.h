// The change notification of the board's folder: a handle the message loop
// waits on beside the messages.
#pragma once

#include <windows.h>

// Asks for notifications of names, sizes and write times in the working
// folder. False where none can be had, or where they would not be told
// reliably (a network share): the file is then looked at every two seconds.
bool startFolderWatch();
// The handle to wait on, or null.
HANDLE folderWatchHandle();
// After a notification: asks for the next one.
void rearmFolderWatch();
void stopFolderWatch();
