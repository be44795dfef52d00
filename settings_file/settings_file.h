// The board's schedule and notavex.ini: reading, saving and following it.
#pragma once

#include "schedule/calendar.h"
#include "schedule/store.h"
#include "settings_file/platform.h"

#include <cstdint>

// A version of the file, told by its size and a hash of its bytes.
struct FileVersion {
    bool known;
    int64_t size;
    uint64_t hash;
};

// What the looks at the file while the board runs have seen.
struct FileWatch {
    FileStamp pending;  // a change seen at the last look, waiting to hold still
    FileStamp failed;   // the last version that could not be read
    int failedLooks;    // looks that failed on it
    bool failureShown;  // its box was shown
    // The box about a change while edits are unsaved was shown: once until
    // the edits are saved.
    bool keptEditsShown;
};

// What the board shows and what it knows of notavex.ini: one value with one
// owner (the board; each test has its own). Only the functions below change
// it, and each either takes a whole new schedule or leaves it as it was.
struct BoardState {
    Schedule schedule;  // what the board shows and every save writes
    LocalDate date;     // the local date the calendar was computed for
    Calendar calendar;
    // The bytes the program last wrote, or last read and took in whole:
    // the only version of the file it may replace without keeping a copy.
    FileVersion ownVersion;
    // The stamp of the version the program last read (or tried to read) or
    // wrote: a different one is an outside change.
    FileStamp knownStamp;
    FileWatch watch;
    // notavex.ini exists but could not be read at start: nothing the board
    // shows came from it, so nothing replaces it unless the user saves.
    bool unread;
    // An OK whose save failed: the schedule holds edits the file lacks.
    bool unsavedEdits;
    // The session is ending: no box may hold it up.
    bool quiet;
};

// A fresh board: the default schedule, no date, nothing known of the file.
void resetBoardState(BoardState& board);

// Computes the calendar, then reads notavex.ini into the board; creates the
// file from the board's schedule when it does not exist. 0 when read or
// created, -1 when an existing file could not be read (the board is left as
// it was). A file in UTF-16 or UTF-8 is converted to CP932 first. A file
// with a zero byte inside, without any key, or with characters CP932 lacks
// is read as far as it goes and shown in a READ ERROR box.
int loadSettings(BoardState& board, OwnerWindow owner);

// Computes today and tomorrow from the local clock.
void refreshCalendar(BoardState& board);
// Computes them again when now, the local date, is no longer the one they
// were last computed for. True when it did.
bool followLocalDate(BoardState& board, const LocalDate& now);

// Writes the board's whole schedule to notavex.ini, replacing it
// atomically. 0 on success, -1 when the old file was left in place.
//
// notavex.ini is replaced without a backup only while it holds the bytes
// the program last wrote, or last read and took in whole; any other version
// is first copied to a new backup (backups.h), and a failed copy keeps the
// save from replacing it.
int saveSettings(BoardState& board, OwnerWindow owner);

// OK of the settings dialog: the board takes the edited schedule and saves
// it. After a load that could not read the file, an OK that changed nothing
// saves nothing. When the save fails, the board keeps the edits as unsaved.
int takeEdits(BoardState& board, const Schedule& edited, OwnerWindow owner);

// The save of the close: the board's schedule, unless the file was never
// read (then only where there is no file). Unsaved edits that cannot be
// saved go to a backup of their own.
int saveAtClose(BoardState& board, OwnerWindow owner);

// The FOLDER ERROR box: the board's folder cannot hold its lock, so it
// cannot keep its settings safe from a second board.
void tellFolderCannotKeepSettings(const BoardState& board, OwnerWindow owner);

// ---- Following the file while the board runs.

enum class FileLook {
    unchanged,   // as the program last read or wrote it, or gone
    settling,    // changed since the last look: read once it holds still
    reloaded,    // read again: the board has the file's schedule
    firstRead,   // read for the first time since start: its place, too
    keptEdits,   // changed while the board has unsaved edits: not read
    unreadable,  // changed, and cannot be read: the board is as it was
};

// One look at notavex.ini, every few seconds. A change that held still
// since the last look is read into a fresh schedule, as a load reads it, but
// the board keeps its position. A version that could not be read at two
// looks is shown in its box (OPEN, SIZE or READ ERROR), once.
FileLook lookAtSettingsFile(BoardState& board, OwnerWindow owner);
// Before the save at close: a change is read at once, held still or not.
FileLook catchUpWithSettingsFile(BoardState& board, OwnerWindow owner);
