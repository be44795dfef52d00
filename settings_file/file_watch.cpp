// The looks at notavex.ini while the board runs: an outside change is read
// once it holds still, and one that cannot be read is said so once.
#include "settings_file/file_names.h"
#include "settings_file/settings_file_internal.h"

namespace {

// A changed version seen at the last look, waiting to hold still.
FileStamp pendingStamp;
// The last version that could not be read, how many looks failed on it,
// and whether its box was shown.
FileStamp failedStamp;
int failedLooks;
bool failureShown;

// A version that fails at this many looks is shown in its box.
constexpr int kLooksBeforeBox = 2;

FileLook readChange(OwnerWindow owner, const FileStamp& seen)
{
    const Reload reload = reloadSettings();
    switch (reload.outcome) {
    case ReloadOutcome::read:
        knownStamp = seen;
        pendingStamp = FileStamp{};
        failedStamp = FileStamp{};
        return FileLook::reloaded;
    case ReloadOutcome::gone: return FileLook::unchanged;
    case ReloadOutcome::failed: break;
    }
    if (seen != failedStamp) {
        failedStamp = seen;
        failedLooks = 0;
        failureShown = false;
    }
    if (++failedLooks >= kLooksBeforeBox && !failureShown) {
        failureShown = true;
        showFileTrouble(owner, reload.trouble);
    }
    return FileLook::unreadable;
}

}  // namespace

void forgetFileLooks()
{
    pendingStamp = FileStamp{};
    failedStamp = FileStamp{};
    failedLooks = 0;
    failureShown = false;
}

FileLook lookAtSettingsFile(OwnerWindow owner)
{
    const FileStamp seen = settingsPlatform.fileStamp(kSettingsPath);
    // A file that went away is left alone: the next save makes it again.
    if (!seen.exists || seen == knownStamp) {
        pendingStamp = FileStamp{};
        return FileLook::unchanged;
    }
    // An editor may still be writing it: read it once it holds still.
    if (seen != pendingStamp) {
        pendingStamp = seen;
        return FileLook::settling;
    }
    return readChange(owner, seen);
}

FileLook catchUpWithSettingsFile(OwnerWindow owner)
{
    const FileStamp seen = settingsPlatform.fileStamp(kSettingsPath);
    if (!seen.exists || seen == knownStamp) return FileLook::unchanged;
    return readChange(owner, seen);
}
