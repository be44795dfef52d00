// Copies of notavex.ini kept before the program replaces a version of it
// that it did not write or take in whole. A backup is never overwritten and
// never left half-made.
#pragma once

// The most backups kept: making one more removes the oldest beyond these.
constexpr int kBackupsKept = 20;
// Numbers above this are not taken for backups, so that the next one can
// always be named.
constexpr int kLastBackupNumber = 999999999;
// "notavex.ini.999999999.bak" and a NUL.
constexpr int kBackupNameSize = 32;

// The number of a backup's name (0 for notavex.ini.bak), or -1 for any
// other name. ASCII letters compare without regard to case, as Windows
// names do.
int backupNumber(const char* name);
// The name of backup number (0 and up) into out.
void formatBackupName(int number, char* out, int outSize);

// Keeps what notavex.ini holds now in a new backup, unless the newest one
// already holds the same bytes. 0 when the file is kept; -1 when it could
// not be (nothing is left behind and no backup changed).
int backUpSettingsFile();
