// Versions of notavex.ini kept beside it: the version a save replaced when
// the program had not written it, and edits that could not be saved. A
// backup is never overwritten and never left half-made.
#pragma once

// The first backup, notavex.ini.bak, is usually the user's own original and
// is never removed; of the numbered ones after it this many are kept.
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

// Gives the whole file at path the next backup's name, unless the newest
// backup already holds the same bytes (path is then removed), and removes
// the oldest numbered backups beyond kBackupsKept; one that cannot be
// removed is passed over. 0, or -1 when the file stays at path.
int keepAsBackup(const char* path);
