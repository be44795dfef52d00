// The shortcut in the user's Startup folder that starts this board with
// Windows: this notavex.exe, with the board's folder (the current folder) as
// its working folder, so that it reads this folder's notavex.ini. Found by
// its target and working folder, never by its name; no registry.
#pragma once

// Whether the Startup folder holds such a shortcut.
bool hasStartupShortcut();
// Makes one through the shell's link object, named after the folder and
// unique in the Startup folder, so that boards of two folders both start.
bool addStartupShortcut();
// Deletes every such shortcut; true when none is left.
bool removeStartupShortcuts();
