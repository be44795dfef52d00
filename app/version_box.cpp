#include "app/version_box.h"
#include "app/shell_state.h"

// The shell's store for the box's handle comes as the creation parameter.
// Only OK ends the box, and Enter presses OK; Escape's IDCANCEL is left
// alone, so it does not close it.
INT_PTR CALLBACK versionBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        *reinterpret_cast<HWND*>(lParam) = box;
        return TRUE;  // the focus to OK, its one tab stop
    }
    if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
        modalOpen = 0;
        EndDialog(box, 0);
        return TRUE;
    }
    return FALSE;
}
