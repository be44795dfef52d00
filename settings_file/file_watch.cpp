// The looks at notavex.ini while the board runs: an outside change is read
// once it holds still, and one that cannot be read is said so once.
#include "settings_file/file_names.h"
#include "settings_file/settings_file_internal.h"

namespace {

// A version that fails at this many looks is shown in its box.
constexpr int kLooksBeforeBox = 2;

FileLook readChange(BoardState& board, OwnerWindow owner, const FileStamp& seen)
{
    FileWatch& watch = board.watch;
    const Reload reload = reloadSettings(board);
    switch (reload.outcome) {
    case ReloadOutcome::read:
        board.knownStamp = seen;
        watch.pending = FileStamp{};
        watch.failed = FileStamp{};
        return FileLook::reloaded;
    case ReloadOutcome::gone: return FileLook::unchanged;
    case ReloadOutcome::failed: break;
    }
    if (seen != watch.failed) {
        watch.failed = seen;
        watch.failedLooks = 0;
        watch.failureShown = false;
    }
    if (++watch.failedLooks >= kLooksBeforeBox && !watch.failureShown) {
        watch.failureShown = true;
        showFileTrouble(owner, reload.trouble);
    }
    return FileLook::unreadable;
}

}  // namespace

FileLook lookAtSettingsFile(BoardState& board, OwnerWindow owner)
{
    const FileStamp seen = settingsPlatform.fileStamp(kSettingsPath);
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
    return readChange(board, owner, seen);
}

FileLook catchUpWithSettingsFile(BoardState& board, OwnerWindow owner)
{
    const FileStamp seen = settingsPlatform.fileStamp(kSettingsPath);
    if (!seen.exists || seen == board.knownStamp) return FileLook::unchanged;
    return readChange(board, owner, seen);
}
