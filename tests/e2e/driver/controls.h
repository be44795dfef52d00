// The controls of a box the board owns, worked the way the user works them:
// a text put into a field, an item chosen in a list with the notification
// the list sends, and everything a control shows read back.
#pragma once

#include <windows.h>

// Runs one of the control commands on dialog; returns the driver's exit
// code, or -1 when command is none of them.
//   set-text ID HEX    WM_SETTEXT (sent) of UTF-16 given as hex units, e.g. 30e1
//                      ("-" clears the field)
//   select ID INDEX    choose item INDEX of list or drop-down list ID and send
//                      the dialog the selection-change notification
//   control ID         print the control: class, text, state, items
int runControlCommand(HWND dialog, const char* command, int argc, char** argv);
