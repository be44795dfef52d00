// Reading and writing notavex.ini.
#pragma once

#include "settings_file/text_encoding.h"

// The window that owns the error boxes (an HWND on Windows).
using OwnerWindow = void*;

// Computes the calendar, then reads notavex.ini into the store; creates the
// file from the store when it does not exist. 0 when read or created, -1 when
// an existing file could not be read (the store is left as it was).
int loadSettings(OwnerWindow owner);

// Writes the whole store to notavex.ini, replacing it atomically. 0 on
// success, -1 when the old file was left in place.
int saveSettings(OwnerWindow owner);

// Set while notavex.ini exists but the last load could not read it: the next
// save first keeps a copy of it in notavex.ini.bak, and does not replace it
// when that copy fails. A load that reads the file, or finds none, clears it,
// and so does a save that replaced the file.
extern bool settingsFileNotLoaded;

// How the last load converted the file's text: from UTF-16 or UTF-8, and
// whether characters were lost on the way (CP932 and none lost when it read
// no file).
extern Cp932Conversion lastSettingsConversion;
