// Reading and writing notavex.ini.
#pragma once

// The window that owns the error boxes (an HWND on Windows).
using OwnerWindow = void*;

// Computes the calendar, then reads notavex.ini into the store; creates the
// file from the store when it does not exist. 0 when read or created, -1 when
// an existing file could not be read (the store is left as it was). A file
// with a zero byte inside or without any key is read as far as it goes and
// shown in a READ ERROR box.
int loadSettings(OwnerWindow owner);

// Computes today and tomorrow from the local clock.
void refreshCalendar();

// Writes the whole store to notavex.ini, replacing it atomically. 0 on
// success, -1 when the old file was left in place.
int saveSettings(OwnerWindow owner);

// notavex.ini is replaced without a backup only while it holds the bytes
// the program last wrote, or last read and took in whole; any other version
// is first copied to a new backup (backups.h), and a failed copy keeps the
// save from replacing it. This forgets both, as at a fresh start.
void resetSettingsFileState();
