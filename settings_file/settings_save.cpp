// Saving the board's schedule to notavex.ini. The new text is written to a
// temporary file, which then takes the file's place in one step that also
// catches the version it replaces; that version is compared with the
// program's own and kept as a backup unless the program wrote it or took it
// in whole. No moment is left in which another program's save is lost.
#include "settings_file/backups.h"
#include "settings_file/file_names.h"
#include "settings_file/settings_file_internal.h"
#include "settings_file/settings_text.h"

namespace {

// A file that appears between a replace that found none and the rename
// that would put ours in its place is replaced, caught, after all; a few
// rounds, so that a file that keeps coming and going cannot hold the save.
constexpr int kPlacingRounds = 3;

// The text composed for a save, and a caught version read back to compare:
// scratch space, not state.
char composedText[kSettingsFileMaxBytes];
char caughtText[kSettingsFileMaxBytes];

bool isOwnVersion(const BoardState& board, const FileVersion& version)
{
    const FileVersion& own = board.ownVersion;
    return own.known && version.size == own.size && version.hash == own.hash;
}

// The version a replace caught: dropped when it is the program's own, else
// kept as the next backup. One that cannot be kept stays under the catch
// name, and the next save keeps it first.
int keepCaught(const BoardState& board)
{
    int length = 0;
    const FileReadResult read = settingsPlatform.readFile(kCaughtPath, caughtText, kSettingsFileMaxBytes, &length);
    if (read == FileReadResult::ok && isOwnVersion(board, versionOf(caughtText, length)))
        return settingsPlatform.removeFile(kCaughtPath);
    return keepAsBackup(kCaughtPath);
}

enum class Placing {
    replace,     // whatever stands there is replaced, and caught
    createOnly,  // only where there is no file
};

// Puts the temporary file in the place of notavex.ini.
bool placeNewFile(const BoardState& board, Placing placing)
{
    for (int round = 0; round < kPlacingRounds; ++round) {
        if (placing == Placing::replace) {
            switch (settingsPlatform.replaceFile(kTemporaryPath, kSettingsPath, kCaughtPath)) {
            case ReplaceResult::replaced: keepCaught(board); return true;
            case ReplaceResult::failed: return false;
            case ReplaceResult::noTarget: break;
            }
        }
        // No file to replace: ours goes in only while none appears.
        if (settingsPlatform.renameNoReplace(kTemporaryPath, kSettingsPath) == 0) return true;
        if (placing == Placing::createOnly) return false;
    }
    return false;
}

struct Written {
    bool ok;
    FileTrouble trouble;  // what stopped it
};

Written troubled(FileTrouble trouble)
{
    settingsPlatform.removeFile(kTemporaryPath);
    return {false, trouble};
}

// Writes the board's schedule to notavex.ini.
Written writeSchedule(BoardState& board, Placing placing)
{
    // Left by a save that was cut short: a version no one else has.
    if (settingsPlatform.fileStamp(kCaughtPath).exists && keepCaught(board) != 0)
        return {false, FileTrouble::cannotOpen};
    const int length = composeSettingsText(board.schedule, composedText, kSettingsFileMaxBytes);
    if (length < 0) return {false, FileTrouble::cannotOpen};
    switch (settingsPlatform.writeFileDurably(kTemporaryPath, composedText, length)) {
    case FileWriteResult::ok: break;
    case FileWriteResult::openFailed: return troubled(FileTrouble::cannotOpen);
    case FileWriteResult::writeFailed: return troubled(FileTrouble::cannotWrite);
    }
    if (!placeNewFile(board, placing)) return troubled(FileTrouble::cannotOpen);
    board.ownVersion = versionOf(composedText, length);
    // The program's own save is no outside change.
    board.knownStamp = settingsPlatform.fileStamp(kSettingsPath);
    board.unread = false;
    board.unsavedEdits = false;
    board.watch = FileWatch{};
    return {true, FileTrouble::cannotOpen};
}

// Edits the close could not save: a backup of their own, so that nothing
// typed is lost.
void keepEditsInBackup(const BoardState& board)
{
    const int length = composeSettingsText(board.schedule, composedText, kSettingsFileMaxBytes);
    if (length < 0 || settingsPlatform.writeFileDurably(kTemporaryPath, composedText, length) != FileWriteResult::ok
        || keepAsBackup(kTemporaryPath) != 0)
        settingsPlatform.removeFile(kTemporaryPath);
}

}  // namespace

int saveSettings(BoardState& board, OwnerWindow owner)
{
    const Written written = writeSchedule(board, Placing::replace);
    if (written.ok) return 0;
    showFileTrouble(board, owner, written.trouble);
    return -1;
}

int takeEdits(BoardState& board, const Schedule& edited, OwnerWindow owner)
{
    // The file was never read: only the user's own change may replace it.
    if (board.unread && !board.unsavedEdits && sameSchedule(edited, board.schedule)) return 0;
    board.schedule = edited;
    if (saveSettings(board, owner) == 0) return 0;
    board.unsavedEdits = true;
    return -1;
}

int saveAtClose(BoardState& board, OwnerWindow owner)
{
    if (board.unread && !board.unsavedEdits) {
        // Never read, and nothing the user asked to save: a file is made
        // only where there is none, and whatever appears meanwhile stays.
        writeSchedule(board, Placing::createOnly);
        return 0;
    }
    if (saveSettings(board, owner) == 0) return 0;
    if (board.unsavedEdits) keepEditsInBackup(board);
    return -1;
}
