// The settings dialog on Win32: template 106 driven by the model of
// settings_dialog.h. The shell opens it with DialogBoxParamW after setting
// modalOpen; the dialog clears the flag itself when it ends. The creation
// parameter is a SettingsDialogOpening.
#pragma once

#include "settings_file/settings_file.h"

#include <windows.h>

struct SettingsDialogOpening {
    // Where the dialog puts its own handle, so that the shell can bring it
    // forward; the shell clears it afterwards.
    HWND* handleStore;
    BoardState* board;  // whose schedule the dialog edits
};

INT_PTR CALLBACK settingsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
