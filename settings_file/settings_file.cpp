// Reading notavex.ini into the board: at start, after a change outside, and
// the boxes that tell what could not be read.
#include "settings_file/settings_file.h"

#include "settings_file/file_names.h"
#include "settings_file/settings_file_internal.h"
#include "settings_file/settings_text.h"
#include "settings_file/text_encoding.h"

#include <cstdint>
#include <string_view>

namespace {

struct TroubleBox {
    const char* text;
    const char* caption;
};

// By FileTrouble, in its order.
constexpr TroubleBox kTroubleBoxes[] = {
    {"notavex.iniファイルをオープンできませんでした。", "OPEN ERROR"},
    {"notavex.iniファイルが大きすぎるため設定を取得できませんでした。", "SIZE ERROR"},
    {"notavex.iniファイルの一部を読み取れませんでした。元のファイルはバックアップとして残します。", "READ ERROR"},
    {"ディスクの空きが足りないなどの理由で、notavex.iniファイルに書き込めませんでした。", "WRITE ERROR"},
    {"保存できていない変更があるため、外で変えられたnotavex.iniファイルは読まず、次の保存でバックアップに残します。",
        "CHANGE ERROR"},
    {"このフォルダーには書き込めないため、設定をnotavex.iniファイルに保存できません。", "FOLDER ERROR"},
};

// The file's text while it is read, and the schedule it is read into:
// scratch space, not state.
char settingsText[kSettingsTextSize];
Schedule freshSchedule;

// The file as read into settingsText, in CP932.
struct ReadText {
    FileReadResult result;
    int length;
    FileVersion version;  // of the bytes as they are in the file
    bool converted;       // from UTF-16 or UTF-8
    bool lossy;           // some character had to become "?"
};

ReadText readSettingsText()
{
    ReadText read = {FileReadResult::ok, 0, {}, false, false};
    read.result = settingsPlatform.readFile(kSettingsPath, settingsText, kSettingsFileMaxBytes, &read.length);
    if (read.result != FileReadResult::ok) return read;
    read.version = versionOf(settingsText, read.length);
    // An editor may have saved it as UTF-16 or UTF-8.
    const Cp932Conversion conversion = convertSettingsTextToCp932(settingsText, read.length);
    read.length = conversion.length;
    read.converted = conversion.source != TextEncoding::cp932;
    read.lossy = conversion.lossy;
    settingsText[read.length] = '\0';
    return read;
}

// A zero byte inside, no key at all, or characters lost on the way: what
// the READ ERROR box tells.
bool isUnreadable(const ReadText& read, const SettingsReadReport& report)
{
    return report.nulInside || (read.length > 0 && !report.keyFound) || read.lossy;
}

// Reads the text into a fresh schedule.
SettingsReadReport readFresh(const ReadText& read)
{
    resetStore(freshSchedule);
    return applySettingsText({settingsText, static_cast<size_t>(read.length)}, freshSchedule);
}

// The board takes the schedule just read, whole; one taken in whole
// becomes the program's own version.
void takeRead(BoardState& board, const ReadText& read, const SettingsReadReport& report, const FileStamp& seen)
{
    board.schedule = freshSchedule;
    // A converted file is never the program's own: saving writes it anew in
    // CP932, so the original goes to a backup.
    if (report.whole && !read.converted) board.ownVersion = read.version;
    board.knownStamp = seen;
    board.unread = false;
    board.watch = FileWatch{};
}

FileTrouble troubleOf(FileReadResult result)
{
    return result == FileReadResult::tooLarge ? FileTrouble::tooLarge : FileTrouble::cannotOpen;
}

Reading failedWith(FileTrouble trouble) { return {ReadOutcome::failed, trouble}; }

void computeCalendarFor(BoardState& board, const LocalDate& date)
{
    board.date = date;
    board.calendar = computeCalendar(date.year, date.month, date.day, date.weekday);
}

}  // namespace

void tellFolderCannotKeepSettings(const BoardState& board, OwnerWindow owner)
{
    showFileTrouble(board, owner, FileTrouble::folderLocked);
}

void showFileTrouble(const BoardState& board, OwnerWindow owner, FileTrouble trouble)
{
    if (board.quiet) return;
    const TroubleBox& box = kTroubleBoxes[static_cast<int>(trouble)];
    settingsPlatform.showErrorBox(owner, box.text, box.caption);
}

FileVersion versionOf(const char* bytes, int length)
{
    uint64_t hash = 14695981039346656037ull;
    for (int n = 0; n < length; ++n) hash = (hash ^ static_cast<unsigned char>(bytes[n])) * 1099511628211ull;
    return {true, length, hash};
}

void resetBoardState(BoardState& board)
{
    resetStore(board.schedule);
    board.date = LocalDate{};
    board.calendar = Calendar{};
    board.ownVersion = FileVersion{};
    board.knownStamp = FileStamp{};
    board.watch = FileWatch{};
    board.unread = false;
    board.unsavedEdits = false;
    board.quiet = false;
}

void refreshCalendar(BoardState& board) { computeCalendarFor(board, settingsPlatform.localDate()); }

bool followLocalDate(BoardState& board, const LocalDate& now)
{
    const LocalDate& then = board.date;
    if (now.year == then.year && now.month == then.month && now.day == then.day) return false;
    computeCalendarFor(board, now);
    return true;
}

Reading readWholeBoard(BoardState& board, OwnerWindow owner, const FileStamp& seen)
{
    const ReadText read = readSettingsText();
    if (read.result == FileReadResult::notFound) return {ReadOutcome::gone, FileTrouble::cannotOpen};
    if (read.result != FileReadResult::ok) return failedWith(troubleOf(read.result));
    const SettingsReadReport report = readFresh(read);
    const ScreenSize screen = settingsPlatform.primaryScreen();
    fitBoardOnScreen(freshSchedule.settings,
        {screen.width, screen.height, settingsPlatform.withinOneMonitor, boardVisibleSize(screen.dpi),
            boardOuterSize(screen.dpi, screen.frame)});
    takeRead(board, read, report, seen);
    if (!isUnreadable(read, report)) return {ReadOutcome::read, FileTrouble::cannotOpen};
    // What can be read is shown; the rest stays in the file, which the next
    // save keeps as a backup.
    showFileTrouble(board, owner, FileTrouble::notReadable);
    return {ReadOutcome::unreadable, FileTrouble::notReadable};
}

Reading readChangedFile(BoardState& board, const FileStamp& seen)
{
    const ReadText read = readSettingsText();
    if (read.result == FileReadResult::notFound) return {ReadOutcome::gone, FileTrouble::cannotOpen};
    if (read.result != FileReadResult::ok) return failedWith(troubleOf(read.result));
    const SettingsReadReport report = readFresh(read);
    // An editor's half-saved or emptied file would take the whole schedule
    // with it: the board keeps what it has.
    if (read.length == 0 || isUnreadable(read, report)) return failedWith(FileTrouble::notReadable);
    // The board stays where the window is; the rest is the file's.
    freshSchedule.settings.winX = board.schedule.settings.winX;
    freshSchedule.settings.winY = board.schedule.settings.winY;
    takeRead(board, read, report, seen);
    return {ReadOutcome::read, FileTrouble::cannotOpen};
}

int loadSettings(BoardState& board, OwnerWindow owner)
{
    refreshCalendar(board);
    const FileStamp seen = settingsPlatform.fileStamp(kSettingsPath);
    const Reading reading = readWholeBoard(board, owner, seen);
    switch (reading.outcome) {
    case ReadOutcome::read:
    case ReadOutcome::unreadable: return 0;
    case ReadOutcome::gone:
        // Nothing to lose: the file is made from the board's schedule, unadjusted.
        saveSettings(board, owner);
        return 0;
    case ReadOutcome::failed: break;
    }
    // Held by another program, or too large: the board shows the defaults
    // until a look can read the file, and never replaces it on its own.
    board.unread = true;
    board.watch.failed = seen;
    board.watch.failureShown = true;
    showFileTrouble(board, owner, reading.trouble);
    return -1;
}
