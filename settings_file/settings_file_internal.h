// What loadSettings, saveSettings and the file watch share inside the
// settings file library.
#pragma once

#include "settings_file/platform.h"
#include "settings_file/settings_file.h"

// The stamp of the version of notavex.ini that the program last read (or
// tried to read) or wrote: a different one is an outside change.
extern FileStamp knownStamp;

enum class FileTrouble { cannotOpen, tooLarge, notReadable };
// The OPEN ERROR, SIZE ERROR or READ ERROR box.
void showFileTrouble(OwnerWindow owner, FileTrouble trouble);

enum class ReloadOutcome { read, gone, failed };
struct Reload {
    ReloadOutcome outcome;
    FileTrouble trouble;  // when failed
};
// Reads notavex.ini again over a fresh store, keeping the board's position.
// A file too large, unreadable, with a zero byte inside or without any key
// leaves the store as it was.
Reload reloadSettings();

// Forgets the versions seen by the looks, as at a fresh start.
void forgetFileLooks();
