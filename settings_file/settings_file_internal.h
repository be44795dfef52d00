// What the reading, the saving and the looks at notavex.ini share inside the
// settings file library.
#pragma once

#include "settings_file/platform.h"
#include "settings_file/settings_file.h"

enum class FileTrouble {
    cannotOpen,    // OPEN ERROR
    tooLarge,      // SIZE ERROR
    notReadable,   // READ ERROR
    cannotWrite,   // WRITE ERROR: a full disk, most often
    keptEdits,     // CHANGE ERROR: changed outside while edits are unsaved
    folderLocked,  // FOLDER ERROR
};
// The box of a trouble, owned by owner; none while the session ends.
void showFileTrouble(const BoardState& board, OwnerWindow owner, FileTrouble trouble);

// 64-bit FNV-1a of the bytes: a chance edit that keeps the size and the hash
// is not a worry, and nothing here defends against a forger.
FileVersion versionOf(const char* bytes, int length);

// What a read made of the file.
enum class ReadOutcome {
    read,        // the board has the file's schedule
    gone,        // there is no file: the board is as it was
    failed,      // it could not be read: the board is as it was
    unreadable,  // read as far as it goes; its READ ERROR box was shown
};
struct Reading {
    ReadOutcome outcome;
    FileTrouble trouble;  // when failed
};

// The read at start, and at a later look when the start could not read the
// file: the board takes what can be read, its place on the screen included.
Reading readWholeBoard(BoardState& board, OwnerWindow owner, const FileStamp& seen);
// A change read while the board runs: only a version read whole and with a
// key is taken, and the board keeps its position.
Reading readChangedFile(BoardState& board, const FileStamp& seen);
