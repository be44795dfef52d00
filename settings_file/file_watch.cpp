// The looks at notavex.ini while the board runs: an outside change is read
// once it holds still, one that cannot be read is said so once, and a file
// the start could not read is read as soon as it can be.
#include "settings_file/file_names.h"
#include "settings_file/settings_file_internal.h"

namespace {

// A version that fails at this many looks is shown in its box.
constexpr int kLooksBeforeBox = 2;

FileLook lookedAt(const Reading& reading, FileLook whenRead)
{
    switch (reading.outcome) {
    case ReadOutcome::read:
    case ReadOutcome::unreadable: return whenRead;
    case ReadOutcome::gone: return FileLook::unchanged;
    case ReadOutcome::failed: break;
    }
    return FileLook::unreadable;
}

// A version that could not be read: its box once, after kLooksBeforeBox
// looks, or at once before the close replaces it.
void noteFailure(BoardState& board, OwnerWindow owner, const FileStamp& seen, FileTrouble trouble, int looksBeforeBox)
{
    FileWatch& watch = board.watch;
    if (seen != watch.failed) {
        watch.failed = seen;
        watch.failedLooks = 0;
        watch.failureShown = false;
    }
    if (++watch.failedLooks >= looksBeforeBox && !watch.failureShown) {
        watch.failureShown = true;
        showFileTrouble(board, owner, trouble);
    }
}

FileLook readChange(BoardState& board, OwnerWindow owner, const FileStamp& seen, int looksBeforeBox)
{
    if (board.unsavedEdits) {
        // The edits stay; the next save keeps this version in a backup.
        board.knownStamp = seen;
        board.watch.pending = FileStamp{};
        if (!board.watch.keptEditsShown) showFileTrouble(board, owner, FileTrouble::keptEdits);
        board.watch.keptEditsShown = true;
        return FileLook::keptEdits;
    }
    const Reading reading = readChangedFile(board, seen);
    if (reading.outcome == ReadOutcome::failed) noteFailure(board, owner, seen, reading.trouble, looksBeforeBox);
    return lookedAt(reading, FileLook::reloaded);
}

// While the start's read is still owed, every look tries it.
FileLook readOwedFile(BoardState& board, OwnerWindow owner, const FileStamp& seen)
{
    if (!seen.exists) return FileLook::unchanged;
    return lookedAt(readWholeBoard(board, owner, seen), FileLook::firstRead);
}

}  // namespace

FileLook lookAtSettingsFile(BoardState& board, OwnerWindow owner)
{
    const FileStamp seen = settingsPlatform.fileStamp(kSettingsPath);
    if (board.unread) return readOwedFile(board, owner, seen);
    // A file that went away is left alone: the next save makes it again.
    if (!seen.exists || seen == board.knownStamp) {
        board.watch.pending = FileStamp{};
        return FileLook::unchanged;
    }
    // An editor may still be writing it: read it once it holds still.
    if (seen != board.watch.pending) {
        board.watch.pending = seen;
        return FileLook::settling;
    }
    return readChange(board, owner, seen, kLooksBeforeBox);
}

FileLook catchUpWithSettingsFile(BoardState& board, OwnerWindow owner)
{
    const FileStamp seen = settingsPlatform.fileStamp(kSettingsPath);
    if (board.unread) return readOwedFile(board, owner, seen);
    if (!seen.exists || seen == board.knownStamp) return FileLook::unchanged;
    // The save comes next: a version it cannot read is shown before it is
    // replaced (and kept in a backup).
    return readChange(board, owner, seen, 1);
}
