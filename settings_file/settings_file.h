// Reading and writing notavex.ini.
#pragma once

struct LocalDate;

// The window that owns the error boxes (an HWND on Windows).
using OwnerWindow = void*;

// Computes the calendar, then reads notavex.ini into the store; creates the
// file from the store when it does not exist. 0 when read or created, -1 when
// an existing file could not be read (the store is left as it was). A file
// in UTF-16 or UTF-8 is converted to CP932 first. A file with a zero byte
// inside, without any key, or with characters CP932 lacks is read as far as
// it goes and shown in a READ ERROR box.
int loadSettings(OwnerWindow owner);

// Computes today and tomorrow from the local clock.
void refreshCalendar();
// Computes them again when now, the local date, is no longer the one they
// were last computed for. True when it did.
bool followLocalDate(const LocalDate& now);

// Writes the whole store to notavex.ini, replacing it atomically. 0 on
// success, -1 when the old file was left in place.
int saveSettings(OwnerWindow owner);

// notavex.ini is replaced without a backup only while it holds the bytes
// the program last wrote, or last read and took in whole; any other version
// is first copied to a new backup (backups.h), and a failed copy keeps the
// save from replacing it. This forgets both, as at a fresh start.
void resetSettingsFileState();

// ---- Following the file while the board runs.

enum class FileLook {
    unchanged,   // as the program last read or wrote it, or gone
    settling,    // changed since the last look: read once it holds still
    reloaded,    // read again into the store
    unreadable,  // changed, and cannot be read: the store is as it was
};

// One look at notavex.ini, every few seconds. A change that held still
// since the last look is read over a fresh store, as a load reads it, but
// the board keeps its position. A version that could not be read at two
// looks is shown in its box (OPEN, SIZE or READ ERROR), once.
FileLook lookAtSettingsFile(OwnerWindow owner);
// Before the save at close: a change is read at once, held still or not.
FileLook catchUpWithSettingsFile(OwnerWindow owner);
