// Stand-in for the settings dialog until it joins the program: it only
// closes, on OK or Cancel.
#include "settings_dialog/settings_dialog_win32.h"

#include "app/shell_state.h"

INT_PTR CALLBACK settingsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_INITDIALOG) return TRUE;
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        modalOpen = 0;
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}
