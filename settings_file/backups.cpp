#include "settings_file/backups.h"

#include "settings_file/file_names.h"
#include "settings_file/platform.h"
#include "text/ascii.h"
#include "text/decimal.h"

#include <cstring>

namespace {

struct BackupSet {
    int count;
    int lowest;
    int highest;
};

void noteBackup(const char* name, void* context)
{
    const int number = backupNumber(name);
    if (number < 0) return;
    BackupSet& set = *static_cast<BackupSet*>(context);
    if (set.count == 0 || number < set.lowest) set.lowest = number;
    if (set.count == 0 || number > set.highest) set.highest = number;
    ++set.count;
}

BackupSet findBackups()
{
    BackupSet set = {0, 0, 0};
    settingsPlatform.listFiles(kBackupPrefix, noteBackup, &set);
    return set;
}

// Removes the oldest backups beyond the kept number. One that cannot be
// removed stays; the new backup stands either way.
void removeOldestBackups(BackupSet set)
{
    char name[kBackupNameSize];
    while (set.count > kBackupsKept) {
        formatBackupName(set.lowest, name, sizeof name);
        if (settingsPlatform.removeFile(name) != 0) return;
        set = findBackups();
    }
}

}  // namespace

int backupNumber(const char* name)
{
    const size_t prefixLength = sizeof kBackupPrefix - 1;
    const size_t suffixLength = sizeof kBackupSuffix - 1;
    const size_t length = std::strlen(name);
    if (length < prefixLength + suffixLength - 1 || !equalsIgnoringAsciiCase({name, prefixLength}, kBackupPrefix))
        return -1;
    // "notavex.ini.bak": the prefix's dot is the suffix's.
    if (length == prefixLength + suffixLength - 1)
        return equalsIgnoringAsciiCase({name + prefixLength - 1, suffixLength}, kBackupSuffix) ? 0 : -1;
    if (length <= prefixLength + suffixLength
        || !equalsIgnoringAsciiCase({name + length - suffixLength, suffixLength}, kBackupSuffix))
        return -1;
    const char* digits = name + prefixLength;
    const size_t digitCount = length - prefixLength - suffixLength;
    if (digitCount > 9 || digits[0] == '0') return -1;
    int number = 0;
    for (size_t n = 0; n < digitCount; ++n) {
        if (digits[n] < '0' || digits[n] > '9') return -1;
        number = number * 10 + (digits[n] - '0');
    }
    return number;
}

void formatBackupName(int number, char* out, int outSize)
{
    // "notavex.ini." + number + ".bak", or "notavex.ini" + ".bak" for 0.
    char digits[kDecimalSize] = "";
    if (number > 0) formatDecimal(number, digits, kDecimalSize);
    const int prefixLength = static_cast<int>(sizeof kBackupPrefix) - (number > 0 ? 1 : 2);
    int at = 0;
    auto put = [&](char byte) {
        if (at < outSize - 1) out[at++] = byte;
    };
    for (int n = 0; n < prefixLength; ++n) put(kBackupPrefix[n]);
    for (const char* d = digits; *d != '\0'; ++d) put(*d);
    for (const char* s = kBackupSuffix; *s != '\0'; ++s) put(*s);
    if (outSize > 0) out[at] = '\0';
}

int backUpSettingsFile()
{
    const BackupSet set = findBackups();
    char name[kBackupNameSize];
    if (set.count > 0) {
        formatBackupName(set.highest, name, sizeof name);
        if (settingsPlatform.sameBytes(name, kSettingsPath) == 1) return 0;
        if (set.highest >= kLastBackupNumber) return -1;
    }
    // Copied under a temporary name and then given its own, so that a copy
    // cut short by a full disk never stands as a backup.
    formatBackupName(set.count > 0 ? set.highest + 1 : 0, name, sizeof name);
    if (settingsPlatform.copyFile(kSettingsPath, kTemporaryPath) != 0
        || settingsPlatform.renameNoReplace(kTemporaryPath, name) != 0) {
        settingsPlatform.removeFile(kTemporaryPath);
        return -1;
    }
    removeOldestBackups(findBackups());
    return 0;
}
