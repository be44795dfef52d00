// The settings dialog on Win32: template 106 driven by the model of
// settings_dialog.h. The shell opens it with DialogBoxParamW after setting
// modalOpen; the dialog clears the flag itself when it ends. The creation
// parameter points to where the dialog puts its own handle (an HWND), so
// that the shell can bring it forward; the shell clears it afterwards.
#pragma once

#include <windows.h>

INT_PTR CALLBACK settingsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
