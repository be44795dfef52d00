// The shell's "a modal dialog is open" flag. The shell sets it just before
// it opens the settings dialog or the version box; the dialog clears it as
// the first thing it does when it closes. While it is set the popup menu
// stays closed and the automatic exit waits.
#pragma once

extern int modalOpen;
