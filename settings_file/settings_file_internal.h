// What loadSettings, saveSettings and the file watch share inside the
// settings file library.
#pragma once

#include "settings_file/platform.h"
#include "settings_file/settings_file.h"

enum class FileTrouble { cannotOpen, tooLarge, notReadable };
// The OPEN ERROR, SIZE ERROR or READ ERROR box.
void showFileTrouble(OwnerWindow owner, FileTrouble trouble);

enum class ReloadOutcome { read, gone, failed };
struct Reload {
    ReloadOutcome outcome;
    FileTrouble trouble;  // when failed
};
// Reads notavex.ini again into a fresh schedule, keeping the board's
// position. A file too large, unreadable, with a zero byte inside or without
// any key leaves the board as it was.
Reload reloadSettings(BoardState& board);
