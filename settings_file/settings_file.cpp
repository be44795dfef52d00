// loadSettings and saveSettings: the settings text between the store and
// notavex.ini, over the platform seam.
#include "settings_file/settings_file.h"

#include "settings_file/backups.h"
#include "settings_file/file_names.h"
#include "settings_file/settings_file_internal.h"
#include "settings_file/settings_text.h"
#include "settings_file/text_encoding.h"

#include <cstdint>
#include <string_view>

namespace {

constexpr char kOpenErrorText[] = "notavex.iniファイルをオープンできませんでした。";
constexpr char kSizeErrorText[] = "notavex.iniファイルが大きすぎるため設定を取得できませんでした。";
constexpr char kReadErrorText[] =
    "notavex.iniファイルの一部を読み取れませんでした。元のファイルはバックアップとして残します。";

// The file's text while it is read, the schedule it is read into, and the
// text composed for a save: scratch space, not state.
char settingsText[kSettingsTextSize];
Schedule freshSchedule;
char composedText[kSettingsFileMaxBytes];

FileVersion versionOf(const char* bytes, int length)
{
    // 64-bit FNV-1a: a chance edit that keeps the size and the hash is not
    // a worry, and nothing here defends against a forger.
    uint64_t hash = 14695981039346656037ull;
    for (int n = 0; n < length; ++n) hash = (hash ^ static_cast<unsigned char>(bytes[n])) * 1099511628211ull;
    return {true, length, hash};
}

bool isOwnVersion(const BoardState& board, const FileVersion& version)
{
    const FileVersion& own = board.ownVersion;
    return own.known && version.size == own.size && version.hash == own.hash;
}

int refuse(OwnerWindow owner, FileTrouble trouble)
{
    showFileTrouble(owner, trouble);
    return -1;
}

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

std::string_view textOf(const ReadText& read) { return {settingsText, static_cast<size_t>(read.length)}; }

// Reads the text into a fresh schedule.
SettingsReadReport readFresh(const ReadText& read)
{
    resetStore(freshSchedule);
    return applySettingsText(textOf(read), freshSchedule);
}

// The board takes the schedule just read; one taken in whole becomes the
// program's own version.
void takeRead(BoardState& board, const ReadText& read, const SettingsReadReport& report)
{
    board.schedule = freshSchedule;
    // A converted file is never the program's own: saving writes it anew in
    // CP932, so the original goes to a backup first.
    if (report.whole && !read.converted) board.ownVersion = read.version;
}

ScreenGeometry screenGeometry()
{
    const ScreenSize screen = settingsPlatform.primaryScreen();
    return {screen.width, screen.height, settingsPlatform.withinOneMonitor};
}

FileTrouble troubleOf(FileReadResult result)
{
    return result == FileReadResult::tooLarge ? FileTrouble::tooLarge : FileTrouble::cannotOpen;
}

// Before notavex.ini is replaced: a version the program neither wrote nor
// took in whole is kept in a backup first. 0 when the file may be replaced.
int keepOutsideVersion(const BoardState& board)
{
    const ReadText now = readSettingsText();
    if (now.result == FileReadResult::notFound) return 0;  // nothing to lose
    if (now.result == FileReadResult::ok && isOwnVersion(board, now.version)) return 0;
    return backUpSettingsFile();
}

}  // namespace

void showFileTrouble(OwnerWindow owner, FileTrouble trouble)
{
    switch (trouble) {
    case FileTrouble::cannotOpen: settingsPlatform.showErrorBox(owner, kOpenErrorText, "OPEN ERROR"); return;
    case FileTrouble::tooLarge: settingsPlatform.showErrorBox(owner, kSizeErrorText, "SIZE ERROR"); return;
    case FileTrouble::notReadable: settingsPlatform.showErrorBox(owner, kReadErrorText, "READ ERROR"); return;
    }
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

namespace {

void computeCalendarFor(BoardState& board, const LocalDate& date)
{
    board.date = date;
    board.calendar = computeCalendar(date.year, date.month, date.day, date.weekday);
}

}  // namespace

void refreshCalendar(BoardState& board) { computeCalendarFor(board, settingsPlatform.localDate()); }

bool followLocalDate(BoardState& board, const LocalDate& now)
{
    const LocalDate& then = board.date;
    if (now.year == then.year && now.month == then.month && now.day == then.day) return false;
    computeCalendarFor(board, now);
    return true;
}

int loadSettings(BoardState& board, OwnerWindow owner)
{
    refreshCalendar(board);
    // The version seen now, read or not, is no outside change later.
    board.knownStamp = settingsPlatform.fileStamp(kSettingsPath);
    const ReadText read = readSettingsText();
    switch (read.result) {
    case FileReadResult::ok: {
        const SettingsReadReport report = readFresh(read);
        fitBoardOnScreen(freshSchedule.settings, screenGeometry());
        takeRead(board, read, report);
        if (isUnreadable(read, report)) showFileTrouble(owner, FileTrouble::notReadable);
        return 0;
    }
    case FileReadResult::notFound:
        // Nothing to lose: the file is made from the board's schedule, unadjusted.
        saveSettings(board, owner);
        return 0;
    default: return refuse(owner, troubleOf(read.result));
    }
}

Reload reloadSettings(BoardState& board)
{
    const ReadText read = readSettingsText();
    if (read.result == FileReadResult::notFound) return {ReloadOutcome::gone, FileTrouble::cannotOpen};
    if (read.result != FileReadResult::ok) return {ReloadOutcome::failed, troubleOf(read.result)};
    const std::string_view text = textOf(read);
    const bool nulInside = text.find('\0') != std::string_view::npos;
    if (isUnreadable(read, {settingsTextHasKey(text), nulInside, false}))
        return {ReloadOutcome::failed, FileTrouble::notReadable};

    // The board stays where the window is; the rest is the file's.
    const SettingsReadReport report = readFresh(read);
    freshSchedule.settings.winX = board.schedule.settings.winX;
    freshSchedule.settings.winY = board.schedule.settings.winY;
    takeRead(board, read, report);
    return {ReloadOutcome::read, FileTrouble::cannotOpen};
}

int saveSettings(BoardState& board, OwnerWindow owner)
{
    const int length = composeSettingsText(board.schedule, composedText, kSettingsFileMaxBytes);
    if (length < 0 || keepOutsideVersion(board) != 0) return refuse(owner, FileTrouble::cannotOpen);

    bool saved = settingsPlatform.writeFileDurably(kTemporaryPath, composedText, length) == FileWriteResult::ok;
    if (saved) {
        switch (settingsPlatform.replaceFile(kTemporaryPath, kSettingsPath, kCaughtPath)) {
        case ReplaceResult::replaced: settingsPlatform.removeFile(kCaughtPath); break;
        case ReplaceResult::noTarget:
            saved = settingsPlatform.renameNoReplace(kTemporaryPath, kSettingsPath) == 0;
            break;
        case ReplaceResult::failed: saved = false; break;
        }
    }
    if (!saved) {
        settingsPlatform.removeFile(kTemporaryPath);
        return refuse(owner, FileTrouble::cannotOpen);
    }
    board.ownVersion = versionOf(composedText, length);
    // The program's own save is no outside change.
    board.knownStamp = settingsPlatform.fileStamp(kSettingsPath);
    return 0;
}

int takeEdits(BoardState& board, const Schedule& edited, OwnerWindow owner)
{
    board.schedule = edited;
    return saveSettings(board, owner);
}

int saveAtClose(BoardState& board, OwnerWindow owner) { return saveSettings(board, owner); }
