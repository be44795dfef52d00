// When the board looks at notavex.ini. Idle, it waits for a change
// notification of its folder; a notification starts a look every two
// seconds, which go on while a version waits to hold still, cannot be read,
// or the file the start could not read is still owed (a program that lets
// go of the file changes nothing in the folder). Where no notification can
// be had, the looks never stop.
#pragma once

#include "settings_file/settings_file.h"

// After a look: whether the next one comes in two seconds.
bool keepLooking(FileLook look, bool fileUnread);
