// The files the program keeps in its working folder, all named from the
// settings file's own name.
#pragma once

constexpr char kSettingsPath[] = "notavex.ini";
// A save writes here first and then renames it over the settings file; a
// backup is copied here and then renamed to its own name. In the same
// folder, so that each rename stays on one volume.
constexpr char kTemporaryPath[] = "notavex.ini.tmp";
// A save replaces notavex.ini and moves the version it replaces here in the
// same step; that version is then kept as a backup unless the program wrote
// it. A file of this name left by a save cut short is kept as a backup first.
constexpr char kCaughtPath[] = "notavex.ini.replaced";
// Backups: notavex.ini.bak, then notavex.ini.1.bak, notavex.ini.2.bak, ...
constexpr char kBackupPrefix[] = "notavex.ini.";
constexpr char kBackupSuffix[] = ".bak";
// Held open by the board that runs on the settings file, so that a second
// start in the same folder finds it. The system deletes it when that
// process ends, however it ends.
constexpr char kLockPath[] = "notavex.ini.lock";
