// loadSettings and saveSettings: the settings text between the store and
// notavex.ini, over the platform seam.
#include "settings_file/settings_file.h"

#include "schedule/calendar.h"
#include "settings_file/platform.h"
#include "settings_file/settings_text.h"

#include <string_view>

bool settingsFileNotLoaded = false;
Cp932Conversion lastSettingsConversion = {TextEncoding::cp932, false, 0};

namespace {

constexpr char kSettingsPath[] = "notavex.ini";
// In the same directory, so that the replace is a rename on one volume.
constexpr char kTemporaryPath[] = "notavex.ini.tmp";
constexpr char kBackupPath[] = "notavex.ini.bak";

constexpr char kOpenErrorCaption[] = "OPEN ERROR";
constexpr char kOpenErrorText[] = "notavex.iniファイルをオープンできませんでした。";
constexpr char kSizeErrorCaption[] = "SIZE ERROR";
constexpr char kSizeErrorText[] = "notavex.iniファイルが大きすぎるため設定を取得できませんでした。";

// The file's text while it is read, and the text composed for a save.
char settingsText[kSettingsTextSize];
char composedText[kSettingsFileMaxBytes];

int refuse(OwnerWindow owner, const char* text, const char* caption)
{
    settingsPlatform.showErrorBox(owner, text, caption);
    return -1;
}

}  // namespace

int loadSettings(OwnerWindow owner)
{
    const LocalDate date = settingsPlatform.localDate();
    computeCalendar(date.year, date.month, date.day, date.weekday);

    lastSettingsConversion = {TextEncoding::cp932, false, 0};
    int length = 0;
    switch (settingsPlatform.readFile(kSettingsPath, settingsText, kSettingsFileMaxBytes, &length)) {
    case FileReadResult::ok: {
        // An editor may have saved it as UTF-16 or UTF-8.
        lastSettingsConversion = convertSettingsTextToCp932(settingsText, length);
        length = lastSettingsConversion.length;
        settingsText[length] = '\0';
        settingsFileNotLoaded = false;
        const ScreenSize screen = settingsPlatform.primaryScreen();
        applySettingsText(std::string_view(settingsText, static_cast<size_t>(length)),
                          ScreenGeometry{screen.width, screen.height, settingsPlatform.withinOneMonitor});
        return 0;
    }
    case FileReadResult::notFound:
        // Nothing to lose: the file is made from the store, unadjusted.
        settingsFileNotLoaded = false;
        saveSettings(owner);
        return 0;
    case FileReadResult::tooLarge:
        settingsFileNotLoaded = true;
        return refuse(owner, kSizeErrorText, kSizeErrorCaption);
    case FileReadResult::openFailed:
    case FileReadResult::readFailed:
    case FileReadResult::notRegularFile:
        break;
    }
    // An existing file we could not read must outlive the next save.
    settingsFileNotLoaded = true;
    return refuse(owner, kOpenErrorText, kOpenErrorCaption);
}

int saveSettings(OwnerWindow owner)
{
    const int length = composeSettingsText(composedText, kSettingsFileMaxBytes);
    if (length < 0) return refuse(owner, kOpenErrorText, kOpenErrorCaption);

    if (settingsFileNotLoaded && settingsPlatform.copyFile(kSettingsPath, kBackupPath) != 0)
        return refuse(owner, kOpenErrorText, kOpenErrorCaption);

    if (settingsPlatform.writeFileDurably(kTemporaryPath, composedText, length) != 0
        || settingsPlatform.replaceFile(kTemporaryPath, kSettingsPath) != 0) {
        settingsPlatform.removeFile(kTemporaryPath);
        return refuse(owner, kOpenErrorText, kOpenErrorCaption);
    }
    // The file now holds the store; a second save must not back it up over
    // the copy of the file that was never read.
    settingsFileNotLoaded = false;
    return 0;
}
