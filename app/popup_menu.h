// The popup menu of the board and the tray icon.
#pragma once

#include <windows.h>

// Shows the menu at the cursor and waits until it closes; the chosen command
// comes back to window as WM_COMMAND. Result 0.
int showPopupMenu(HWND window);
