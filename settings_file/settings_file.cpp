// loadSettings and saveSettings: the settings text between the store and
// notavex.ini, over the platform seam.
#include "settings_file/settings_file.h"

#include "schedule/calendar.h"
#include "settings_file/backups.h"
#include "settings_file/file_names.h"
#include "settings_file/platform.h"
#include "settings_file/settings_text.h"

#include <cstdint>
#include <string_view>

namespace {

constexpr char kOpenErrorCaption[] = "OPEN ERROR";
constexpr char kOpenErrorText[] = "notavex.iniファイルをオープンできませんでした。";
constexpr char kSizeErrorCaption[] = "SIZE ERROR";
constexpr char kSizeErrorText[] = "notavex.iniファイルが大きすぎるため設定を取得できませんでした。";
constexpr char kReadErrorCaption[] = "READ ERROR";
constexpr char kReadErrorText[] =
    "notavex.iniファイルの一部を読み取れませんでした。元のファイルはバックアップとして残します。";

// The file's text while it is read, and the text composed for a save.
char settingsText[kSettingsTextSize];
char composedText[kSettingsFileMaxBytes];

// A version of the file, told by its size and a hash of its bytes.
struct FileVersion {
    bool known;
    int64_t size;
    uint64_t hash;
};

// The bytes the program last wrote, or last read and took in whole: the
// only version of the file it may replace without keeping a copy.
FileVersion ownVersion;

FileVersion versionOf(const char* bytes, int length)
{
    // 64-bit FNV-1a: a chance edit that keeps the size and the hash is not
    // a worry, and nothing here defends against a forger.
    uint64_t hash = 14695981039346656037ull;
    for (int n = 0; n < length; ++n) hash = (hash ^ static_cast<unsigned char>(bytes[n])) * 1099511628211ull;
    return {true, length, hash};
}

bool isOwnVersion(const FileVersion& version)
{
    return ownVersion.known && version.size == ownVersion.size && version.hash == ownVersion.hash;
}

int refuse(OwnerWindow owner, const char* text, const char* caption)
{
    settingsPlatform.showErrorBox(owner, text, caption);
    return -1;
}

// Reads the text in settingsText (length bytes) into the store. A file the
// reader could not make sense of is said so; one it took in whole becomes
// the program's own version.
void takeIn(OwnerWindow owner, int length)
{
    const FileVersion read = versionOf(settingsText, length);
    settingsText[length] = '\0';
    const ScreenSize screen = settingsPlatform.primaryScreen();
    const SettingsReadReport report =
        applySettingsText(std::string_view(settingsText, static_cast<size_t>(length)),
                          ScreenGeometry{screen.width, screen.height, settingsPlatform.withinOneMonitor});
    if (report.whole) ownVersion = read;
    if (report.nulInside || (length > 0 && !report.keyFound))
        settingsPlatform.showErrorBox(owner, kReadErrorText, kReadErrorCaption);
}

// Before notavex.ini is replaced: a version the program neither wrote nor
// took in whole is kept in a backup first. 0 when the file may be replaced.
int keepOutsideVersion()
{
    int length = 0;
    switch (settingsPlatform.readFile(kSettingsPath, settingsText, kSettingsFileMaxBytes, &length)) {
    case FileReadResult::notFound:
        return 0;  // nothing to lose
    case FileReadResult::ok:
        if (isOwnVersion(versionOf(settingsText, length))) return 0;
        break;
    default:
        break;
    }
    return backUpSettingsFile();
}

}  // namespace

void resetSettingsFileState() { ownVersion = FileVersion{}; }

void refreshCalendar()
{
    const LocalDate date = settingsPlatform.localDate();
    computeCalendar(date.year, date.month, date.day, date.weekday);
}

int loadSettings(OwnerWindow owner)
{
    refreshCalendar();

    int length = 0;
    switch (settingsPlatform.readFile(kSettingsPath, settingsText, kSettingsFileMaxBytes, &length)) {
    case FileReadResult::ok:
        takeIn(owner, length);
        return 0;
    case FileReadResult::notFound:
        // Nothing to lose: the file is made from the store, unadjusted.
        saveSettings(owner);
        return 0;
    case FileReadResult::tooLarge:
        return refuse(owner, kSizeErrorText, kSizeErrorCaption);
    case FileReadResult::openFailed:
    case FileReadResult::readFailed:
        break;
    }
    return refuse(owner, kOpenErrorText, kOpenErrorCaption);
}

int saveSettings(OwnerWindow owner)
{
    const int length = composeSettingsText(composedText, kSettingsFileMaxBytes);
    if (length < 0 || keepOutsideVersion() != 0) return refuse(owner, kOpenErrorText, kOpenErrorCaption);

    if (settingsPlatform.writeFileDurably(kTemporaryPath, composedText, length) != 0
        || settingsPlatform.replaceFile(kTemporaryPath, kSettingsPath) != 0) {
        settingsPlatform.removeFile(kTemporaryPath);
        return refuse(owner, kOpenErrorText, kOpenErrorCaption);
    }
    ownVersion = versionOf(composedText, length);
    return 0;
}
