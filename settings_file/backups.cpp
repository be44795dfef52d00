#include "settings_file/backups.h"

#include "settings_file/file_names.h"
#include "settings_file/platform.h"
#include "text/ascii.h"
#include "text/decimal.h"

#include <cstring>

namespace {

// Of the numbered backups (1 and up), the lowest numbers first: a pass of
// pruning removes at most this many.
constexpr int kPruneBatch = 32;

struct BackupSet {
    int count;                // every backup, notavex.ini.bak included
    int highest;              // the highest number, when count > 0
    int numbered;             // those numbered 1 and up
    int lowest[kPruneBatch];  // the lowest of those, in order
    int lowestCount;
};

void noteBackup(const char* name, void* context)
{
    const int number = backupNumber(name);
    if (number < 0) return;
    BackupSet& set = *static_cast<BackupSet*>(context);
    if (set.count == 0 || number > set.highest) set.highest = number;
    ++set.count;
    if (number == 0) return;
    ++set.numbered;
    // Insertion into the short sorted list of the lowest.
    int at = set.lowestCount;
    if (at == kPruneBatch && number >= set.lowest[at - 1]) return;
    if (at == kPruneBatch) --at;
    while (at > 0 && set.lowest[at - 1] > number) {
        set.lowest[at] = set.lowest[at - 1];
        --at;
    }
    set.lowest[at] = number;
    if (set.lowestCount < kPruneBatch) ++set.lowestCount;
}

BackupSet findBackups()
{
    BackupSet set{};
    settingsPlatform.listFiles(kBackupPrefix, noteBackup, &set);
    return set;
}

// Removes the oldest numbered backups beyond the kept number. One that
// cannot be removed (read-only, held open) is passed over for the next
// oldest, so the count never grows past the kept number and those.
void pruneBackups()
{
    char name[kBackupNameSize];
    for (;;) {
        const BackupSet set = findBackups();
        int excess = set.numbered - kBackupsKept;
        int removed = 0;
        for (int i = 0; i < set.lowestCount && excess > 0; ++i) {
            formatBackupName(set.lowest[i], name, sizeof name);
            if (settingsPlatform.removeFile(name) != 0) continue;
            ++removed;
            --excess;
        }
        // Done, or only backups that cannot be removed are left in reach.
        if (excess <= 0 || removed == 0) return;
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

int keepAsBackup(const char* path)
{
    char name[kBackupNameSize];
    const BackupSet set = findBackups();
    if (set.count > 0) {
        formatBackupName(set.highest, name, sizeof name);
        if (settingsPlatform.sameBytes(name, path) == 1) return settingsPlatform.removeFile(path);
    }
    // A name taken meanwhile (a second board on a share that cannot lock)
    // is never overwritten: the next number is tried.
    int number = set.count > 0 ? set.highest + 1 : 0;
    for (;; ++number) {
        if (number > kLastBackupNumber) return -1;
        formatBackupName(number, name, sizeof name);
        if (settingsPlatform.renameNoReplace(path, name) == 0) break;
        if (!settingsPlatform.fileStamp(name).exists) return -1;
    }
    pruneBackups();
    return 0;
}
